#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Window positions and designed sizes are kept in twips (1/1440 inch):
// twips = pixels * 1440 / logical dots per inch of the widget's screen.
double PixelsToTwips(int pixels, double dotsPerInch);
int TwipsToPixels(double twips, double dotsPerInch);

QSize TwipsToPixels(QSize twips, const QWidget *widget);
QRect TwipsToPixels(QRect twips, const QWidget *widget);
