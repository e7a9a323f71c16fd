#pragma once

#include <QFont>

namespace corvex {

// The font of the vial and reagent lists, whose columns must line up:
// "Courier New" 9.75 pt, or the fixed-pitch font that stands in for it.
QFont fixedPitchListFont();

} // namespace corvex
