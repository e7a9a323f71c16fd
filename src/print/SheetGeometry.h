#pragma once

// Fixed positions shared by both kinds of sheet, in twips from the top-left
// corner of the printable area.
namespace Sheet {
inline constexpr int RuleRight = 11250;   // horizontal rules run from x = 0 to here
inline constexpr int TableTop = 4125;     // vertical rules run from here...
inline constexpr int TableBottom = 14940; // ...down to here
inline constexpr int FooterY = 15000;
inline constexpr int FooterDateX = 750;
inline constexpr int FooterTimeX = 9000;
inline constexpr int FooterRuleY = 15300;
inline constexpr int CommentX = 0;
inline constexpr int CommentY = 450;
inline constexpr int TitleX = 1200;
inline constexpr int ProgramTitleY = 1875;
inline constexpr int ReagentTitleY = 1950;

// The printer's integer drawing mode, set once before any output: 10 draws
// black on white paper as black.
inline constexpr int DrawingMode = 10;

inline constexpr int CommentPoints = 10;
inline constexpr int TitlePoints = 24;
} // namespace Sheet
