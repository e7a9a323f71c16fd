#pragma once

#include <QByteArray>
#include <QImage>

namespace corvex {

// Renders an SVG drawing into a bitmap whose longer side has `longSide`
// pixels, keeping the drawing's proportions; a null image when the text is
// no drawing or has no size. Both kinds of metafile are drawn this way.
QImage renderSvgDrawing(const QByteArray &svg, int longSide);

} // namespace corvex
