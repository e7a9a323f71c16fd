#pragma once

#include "ProgramRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace corvex {

// Which values a program may hold: those the instrument holds (the ranges in
// Limits.h). Fields are named as in the keys of a program section: "Duration",
// "Type", and per vial "Reagent", "Agit", "Pause", "Hrs", "Min", "Temp".

// True when the instrument holds `value` in the field.
bool holdsValue(QByteArrayView field, qint64 value);

// The values the field may hold, for messages: "0 to 59", "0 (off) or 4 to 60".
QString allowedValues(QByteArrayView field);

// A field of a program whose value the instrument cannot hold.
struct ValueProblem
{
    int vial = 0; // 1..24, 0 for Duration and Type
    QByteArray field;
    qint32 value = 0;
};

// The first such field of the program, looking at vials 1..`vials` only.
std::optional<ValueProblem> findValueProblem(const ProgramRecord &program, int vials = vialCount);

} // namespace corvex
