#include "model/TwipConversion.h"

#include <cmath>

double pixelsToTwips(int pixels, double dotsPerInch)
{
    return pixels * TwipsPerInch / dotsPerInch;
}

int twipsToPixels(double twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / TwipsPerInch));
}
