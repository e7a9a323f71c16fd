#pragma once

#include "InstrumentData.h"
#include "SheetWriter.h"

#include <QString>

namespace corvex {

// One program sheet: logo, footer, rules, the duration and type lines, the
// vial table, the program number line, the comment and the title.
bool printProgramSheet(SheetWriter &writer, int programNumber, const InstrumentData &data);

// The one reagent list sheet, in two columns of 25 at 18 pt when reagents
// 51..200 are all blank, otherwise in four columns of 50 at 10 pt.
bool printReagentListSheet(SheetWriter &writer, const ReagentTable &reagents);

} // namespace corvex
