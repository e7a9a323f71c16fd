#include "LogoFit.h"

namespace corvex {

namespace {

// Height over width in single precision, as the sheets were always computed.
std::optional<float> aspectRatio(QSize picture)
{
    if (picture.width() <= 0 || picture.height() < 0)
        return std::nullopt;
    return float(picture.height()) / float(picture.width());
}

} // namespace

std::optional<QRectF> logoRectangle(QSize picture)
{
    const std::optional<float> ratio = aspectRatio(picture);
    if (!ratio)
        return std::nullopt;
    const float r = *ratio;
    if (r > 1.0f)
        return QRectF(6750, 300, double(250.0f / r * 15.0f), 3750);
    return QRectF(6750, double(2175.0f - 1875.0f * r), 3750, double(3750.0f * r));
}

std::optional<QSizeF> fitLogoPreview(QSize picture)
{
    const std::optional<float> ratio = aspectRatio(picture);
    if (!ratio)
        return std::nullopt;
    const float r = *ratio;
    const auto side = float(logoPreviewSide);
    if (r > 1.0f)
        return QSizeF(double(side / r), double(side));
    return QSizeF(double(side), double(side * r));
}

} // namespace corvex
