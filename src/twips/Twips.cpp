#include "Twips.h"

#include <QWidget>

namespace corvex {

QSize twipsToPixels(QSize twips, const QWidget *widget)
{
    return {twipsToPixels(twips.width(), widget->logicalDpiX()), twipsToPixels(twips.height(), widget->logicalDpiY())};
}

QRect twipsToPixels(QRect twips, const QWidget *widget)
{
    return {QPoint(twipsToPixels(twips.x(), widget->logicalDpiX()), twipsToPixels(twips.y(), widget->logicalDpiY())),
            twipsToPixels(twips.size(), widget)};
}

} // namespace corvex
