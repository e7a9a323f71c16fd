#include "TransferRate.h"

#include "NumberText.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace corvex {

double TransferRate::secondsLeft(int done, int total) const
{
    if (!m_clock.isValid() || done <= 0)
        return -1;
    const double elapsed = double(m_clock.elapsed()) / 1000.0;
    return elapsed * double(total - done) / double(done);
}

QString TransferRate::progressText(int done, int total) const
{
    QString text =
        QCoreApplication::translate("TransferRate", "%1 of %2 bytes").arg(byteCountText(done), byteCountText(total));
    const double left = secondsLeft(done, total);
    if (left >= 0 && done < total)
        text += QCoreApplication::translate("TransferRate", ", about %1 left").arg(durationText(left));
    return text;
}

QString byteCountText(qint64 bytes)
{
    return QLocale(QLocale::English).toString(bytes);
}

QString durationText(double seconds)
{
    const int whole = int(std::lround(std::max(0.0, seconds)));
    if (whole < 60)
        return QStringLiteral("%1 s").arg(whole);
    if (whole < 3600)
        return QStringLiteral("%1 min %2 s").arg(whole / 60).arg(zeroPadded(whole % 60, 2));
    return QStringLiteral("%1 h %2 min").arg(whole / 3600).arg(zeroPadded(whole / 60 % 60, 2));
}

} // namespace corvex
