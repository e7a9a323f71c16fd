#include "Progress.h"

#include <QCoreApplication>

namespace corvex {

QString percentText(int value, int maximum)
{
    const qint64 percent = maximum > 0 ? qint64(value) * 100 / maximum : 0;
    return QString::number(percent) + QLatin1Char('%');
}

QString retryingText(int attempt, int attempts)
{
    return QCoreApplication::translate("Progress", "No answer from the Corvex, trying again (%1 of %2)...")
        .arg(attempt)
        .arg(attempts);
}

} // namespace corvex
