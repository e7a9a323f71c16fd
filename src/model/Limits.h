#pragma once

// Sizes fixed by the instrument: 99 program slots of 24 vials, 200 reagent
// names, and 13 characters for every name.
constexpr int NameLength = 13;
constexpr int ProgramCount = 99;
constexpr int VialCount = 24;
constexpr int LmVialCount = 12;
constexpr int ReagentCount = 200;

// Reagent 1 is what the instrument uses to mark a vial as empty.
constexpr int EmptyVialReagent = 1;

// Program type codes.
constexpr int TypeLM = 0;
constexpr int TypeEM = 1;
