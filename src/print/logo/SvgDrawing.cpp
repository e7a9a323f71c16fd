#include "SvgDrawing.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace corvex {

QImage renderSvgDrawing(const QByteArray &svg, int longSide)
{
    QSvgRenderer drawing(svg);
    const QSizeF natural = drawing.viewBoxF().size();
    if (!drawing.isValid() || !(natural.width() > 0 && natural.height() > 0))
        return {};
    const double scale = longSide / std::max(natural.width(), natural.height());
    const QSize size(std::max(1, int(std::lround(natural.width() * scale))),
                     std::max(1, int(std::lround(natural.height() * scale))));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawing.render(&painter);
    return image;
}

} // namespace corvex
