#pragma once

#include <QRect>

class QWidget;

namespace corvex {

// Keeps a window inside the screen: first shrinks it to the screen, then
// moves its top and left edges inside. Works on the outer (frame) rectangle.
QRect fitFormToScreen(QRect window, const QRect &screen);

// Places a main window from the settings "MainTop" and "MainLeft" (twips),
// centred on the screen when they are missing or unreadable, and keeps it
// inside the screen.
void placeFromSettings(QWidget *window);

// Moves a shown window back inside the screen when its frame, which was
// not known yet when it was placed, reaches beyond it.
void keepOnScreen(QWidget *window);

// Saves the window's top and left edge in twips, only in normal state:
// a maximised or minimised window leaves the last saved position.
void savePlacement(const QWidget *window);

} // namespace corvex
