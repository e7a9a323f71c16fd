#pragma once

#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <optional>

namespace corvex {

// Where a sheet's logo goes: fitted into the square at (6750, 300) with side
// 3750 twips, keeping the picture's aspect ratio. A wide picture fills the
// square's width and is centred vertically on y = 2175; a tall one fills its
// height and sits at its left edge. An empty picture (width 0) cannot be
// scaled: nullopt.
std::optional<QRectF> logoRectangle(QSize picture);

// Size of the dialog's logo preview in twips: the picture fitted into the
// 2715 x 2715 square at its top-left corner. nullopt for an empty picture.
std::optional<QSizeF> fitLogoPreview(QSize picture);

inline constexpr double logoPreviewSide = 2715;

} // namespace corvex
