#pragma once

#include <QtGlobal>

namespace corvex {

// One step (vial) of a program. All fields are the instrument's 32-bit values.
struct VialStep
{
    qint32 reagent = 0; // 1..200; 1 marks an empty vial
    qint32 agit = 0;    // agitation code 0..5
    qint32 pause = 0;   // 1 = pause after the step, 0 = continue
    qint32 hrs = 0;
    qint32 min = 0;     // 0..59
    qint32 temp = 0;    // heater/cooler in degrees C; 0 = off

    // Reagent 1 with every other field 0: what deleting a vial leaves.
    static VialStep blank() { return VialStep{1, 0, 0, 0, 0, 0}; }

    bool operator==(const VialStep &) const = default;
};

} // namespace corvex
