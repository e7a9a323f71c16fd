#include "ui/Twips.h"

#include <QWidget>

#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;

} // namespace

double PixelsToTwips(int pixels, double dotsPerInch)
{
    return pixels * TwipsPerInch / dotsPerInch;
}

int TwipsToPixels(double twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / TwipsPerInch));
}

QSize TwipsToPixels(QSize twips, const QWidget *widget)
{
    return {TwipsToPixels(twips.width(), widget->logicalDpiX()), TwipsToPixels(twips.height(), widget->logicalDpiY())};
}

QRect TwipsToPixels(QRect twips, const QWidget *widget)
{
    return {QPoint(TwipsToPixels(twips.x(), widget->logicalDpiX()), TwipsToPixels(twips.y(), widget->logicalDpiY())),
            TwipsToPixels(twips.size(), widget)};
}
