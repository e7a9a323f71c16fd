#include "FixedPitchFont.h"

namespace corvex {

QFont fixedPitchListFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(9.75);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace corvex
