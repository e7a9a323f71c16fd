#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The footer texts of a sheet: the system's short date, and the time as the
// system writes a clock time (with seconds, without the time zone).
QString FooterDateText(const QDateTime &moment, const QLocale &locale = QLocale::system());
QString FooterTimeText(const QDateTime &moment, const QLocale &locale = QLocale::system());
