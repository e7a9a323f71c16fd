#pragma once

namespace corvex {

// Designed positions and sizes are in twips, 1/1440 inch:
// twips = pixels * 1440 / logical dots per inch of the screen shown on.
inline constexpr double twipsPerInch = 1440.0;

double pixelsToTwips(int pixels, double dotsPerInch);

// Rounded to the nearest pixel.
int twipsToPixels(double twips, double dotsPerInch);

} // namespace corvex
