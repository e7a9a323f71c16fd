#pragma once

#include "model/TwipConversion.h"

#include <QRect>
#include <QSize>

class QWidget;

// A designed size or rectangle in twips, in pixels of the widget's screen.
QSize twipsToPixels(QSize twips, const QWidget *widget);
QRect twipsToPixels(QRect twips, const QWidget *widget);
