#include "TwipConversion.h"

#include <cmath>

namespace corvex {

double pixelsToTwips(int pixels, double dotsPerInch)
{
    return pixels * twipsPerInch / dotsPerInch;
}

int twipsToPixels(double twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / twipsPerInch));
}

} // namespace corvex
