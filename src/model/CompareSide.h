#pragma once

#include "DataCompare.h"

#include <QString>

#include <optional>

namespace corvex {

// One side of a comparison: a store or backup file, a program file, or data
// that is already in memory (the instrument's, read for the purpose, or the
// window's).
struct CompareSide
{
    QString label;
    InstrumentData data;
    // A program file: its one program is program 1 of `data`; it has no
    // reagents and no number of its own.
    bool programFile = false;
};

// A store or backup file (it has a section "Reagents" or "Program01".."Program99")
// or a program file (a section "Program"). Anything else, or a file that
// cannot be read, gives nothing and a message.
std::optional<CompareSide> loadCompareSide(const QString &path, QString &error);

struct CompareOutcome
{
    QList<DataDifference> differences;
    QString error; // the comparison cannot be made as asked
};

// Two stores compare everything, or only program `program` when it is 1..99.
// A program file has no number: it is compared with program `program` of a
// store (which must then be given), with reagents left out; two program
// files compare their programs.
CompareOutcome compareSides(const CompareSide &left, const CompareSide &right, int program = 0);

} // namespace corvex
