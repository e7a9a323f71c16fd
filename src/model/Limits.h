#pragma once

#include <limits>

namespace corvex {

// Sizes fixed by the instrument: 99 program slots of 24 vials, 200 reagent
// names, and 13 characters for every name.
constexpr int nameLength = 13;
constexpr int programCount = 99;
constexpr int vialCount = 24;
constexpr int lmVialCount = 12;
constexpr int reagentCount = 200;

// Reagent 1 is what the instrument uses to mark a vial as empty.
constexpr int emptyVialReagent = 1;

// Program type codes.
constexpr int typeLm = 0;
constexpr int typeEm = 1;

// The values the instrument holds in each field of a program, both ends
// included. Imports, restores and sends check against these; the vial editor
// clamps to them.
struct ValueRange
{
    int lowest = 0;
    int highest = 0;

    constexpr bool contains(long long value) const { return value >= lowest && value <= highest; }
};

constexpr ValueRange durationRange{0, std::numeric_limits<int>::max()};
constexpr ValueRange typeRange{typeLm, typeEm};
constexpr ValueRange reagentRange{1, reagentCount};
constexpr ValueRange agitationRange{0, 5};
constexpr ValueRange pauseRange{0, 1};
constexpr ValueRange hoursRange{0, 99};
constexpr ValueRange minutesRange{0, 59};
// A temperature is 0 (heater/cooler off) or lies in temperatureRange.
constexpr int heaterOff = 0;
constexpr ValueRange temperatureRange{4, 60};

} // namespace corvex
