#pragma once

#include "model/InstrumentData.h"
#include "print/SheetWriter.h"

#include <QString>

// One program sheet: logo, footer, rules, the duration and type lines, the
// vial table, the program number line, the comment and the title.
bool PrintProgramSheet(SheetWriter &writer, int programNumber, const InstrumentData &data);

// The one reagent list sheet, in two columns of 25 at 18 pt when reagents
// 51..200 are all blank, otherwise in four columns of 50 at 10 pt.
bool PrintReagentListSheet(SheetWriter &writer, const ReagentTable &reagents);
