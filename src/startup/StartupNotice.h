#pragma once

#include <QString>

class QWidget;

namespace corvex {

// The safety notice shown before any window: transfers are only safe while
// the instrument is in its configuration mode.
QString startupNoticeText();

// Shows the notice (title "Varnel Corvex", exclamation icon, OK) and waits
// until the user has confirmed it.
void showStartupNotice(QWidget *parent = nullptr);

} // namespace corvex
