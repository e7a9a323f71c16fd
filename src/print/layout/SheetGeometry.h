#pragma once

namespace corvex {

// Fixed positions shared by both kinds of sheet, in twips from the top-left
// corner of the printable area.
namespace Sheet {
inline constexpr int ruleRight = 11250;   // horizontal rules run from x = 0 to here
inline constexpr int tableTop = 4125;     // vertical rules run from here...
inline constexpr int tableBottom = 14940; // ...down to here
inline constexpr int footerY = 15000;
inline constexpr int footerDateX = 750;
inline constexpr int footerTimeX = 9000;
inline constexpr int footerRuleY = 15300;
inline constexpr int commentX = 0;
inline constexpr int commentY = 450;
inline constexpr int titleX = 1200;
inline constexpr int programTitleY = 1875;
inline constexpr int reagentTitleY = 1950;

// The printer's integer drawing mode, set once before any output: 10 draws
// black on white paper as black.
inline constexpr int drawingMode = 10;

inline constexpr int commentPoints = 10;
inline constexpr int titlePoints = 24;
} // namespace Sheet

} // namespace corvex
