#pragma once

#include "ProgramRecord.h"

#include <QString>

namespace corvex {

// Sum of Hrs * 60 + Min over the used vials (1..12 for LM, 1..24 for EM);
// pause and temperature do not count, empty vials do. Kept within 32 bits.
qint32 calculateDuration(const ProgramRecord &program);

// Stores calculateDuration in the program's Duration field.
void recalculateDuration(ProgramRecord &program);

// "Total Time: 01h 35min" for 95 minutes; hours take at least two digits.
QString durationCaption(qint32 minutes);

} // namespace corvex
