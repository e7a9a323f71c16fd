#pragma once

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

} // namespace corvex
