#pragma once

class QAbstractButton;

namespace corvex {

// Makes `button` take a double-click as one click: the second press of a
// double-click (within the system's double-click interval of the press that
// clicked) does nothing. For a button whose meaning changes when clicked, so
// that a double-click neither stops what it has just started nor starts again
// what it has just stopped.
void ignoreSecondClickOfDoubleClick(QAbstractButton *button);

} // namespace corvex
