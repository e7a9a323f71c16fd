#include "PrintStamp.h"

namespace corvex {

namespace {

// The locale's long time format without its time zone field, and without
// the brackets or comma that set the zone apart.
QString clockTimeFormat(const QLocale &locale)
{
    QString format;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        quoted ^= c == QLatin1Char('\'');
        if (quoted || c != QLatin1Char('t'))
            format += c;
    }
    format.remove(QStringLiteral("()")).remove(QStringLiteral("[]"));
    format = format.trimmed();
    if (format.endsWith(QLatin1Char(',')))
        format.chop(1);
    return format.trimmed();
}

} // namespace

QString footerDateText(const QDateTime &moment, const QLocale &locale)
{
    return locale.toString(moment.date(), QLocale::ShortFormat);
}

QString footerTimeText(const QDateTime &moment, const QLocale &locale)
{
    return locale.toString(moment.time(), clockTimeFormat(locale));
}

} // namespace corvex
