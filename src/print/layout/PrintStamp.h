#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace corvex {

// The footer texts of a sheet: the system's short date, and the time as the
// system writes a clock time (with seconds, without the time zone).
QString footerDateText(const QDateTime &moment, const QLocale &locale = QLocale::system());
QString footerTimeText(const QDateTime &moment, const QLocale &locale = QLocale::system());

} // namespace corvex
