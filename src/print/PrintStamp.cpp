#include "print/PrintStamp.h"

#include <QLocale>

QString FooterDateText(const QDateTime &moment)
{
    return QLocale::system().toString(moment.date(), QLocale::ShortFormat);
}

QString FooterTimeText(const QDateTime &moment)
{
    return QLocale::system().toString(moment.time(), QLocale::ShortFormat);
}
