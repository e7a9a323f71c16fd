#pragma once

#include "TwipConversion.h"

#include <QRect>
#include <QSize>

class QWidget;

namespace corvex {

// A designed size or rectangle in twips, in pixels of the widget's screen.
QSize twipsToPixels(QSize twips, const QWidget *widget);
QRect twipsToPixels(QRect twips, const QWidget *widget);

} // namespace corvex
