#pragma once

#include "InstrumentData.h"
#include "StoreSections.h"

#include <QList>
#include <QString>

namespace corvex {

// What differs between two sets of data, field by field, as the instrument
// would hold them: a name ends at its first NUL byte, a program with a blank
// name is an empty program whatever else it holds (as the store treats it),
// vials 13..24 of an LM program are empty vials, and any type but LM is EM.
struct DataDifference
{
    QString item;  // "Program07 V03Min", "Program07 Name", "Reagent 014"; "Program07" when one side is empty
    QString left;  // the values as shown: 10, EM, "Xylene", (empty)
    QString right;
    int program = 0; // 1..99, or 0 for a reagent or an unnumbered program
    int reagent = 0; // 1..200, or 0

    bool operator==(const DataDifference &) const = default;
};

// Programs and reagents in order: each program's name, type, stored duration,
// then each vial's fields (Reagent, Agit, Pause, Hrs, Min, Temp); then the
// reagent names.
QList<DataDifference> compareData(const InstrumentData &left, const InstrumentData &right, const StorePart &part = {});

// One program against another; `label` names it ("Program07", or "Program"
// for two program files).
QList<DataDifference> compareProgram(const QString &label, int number, const ProgramRecord &left,
                                     const ProgramRecord &right);

// "Program07 V03Min: 10 -> 12", "Reagent 014: "Xylene" -> "Xylene 2"".
QString differenceLine(const DataDifference &difference);

} // namespace corvex
