#pragma once

#include <QElapsedTimer>
#include <QString>

namespace corvex {

// The rate of a long transfer, measured from its start, and what it means
// for the time left.
class TransferRate
{
public:
    void start() { m_clock.start(); }

    // Seconds left at the rate measured so far; -1 before there is a rate.
    double secondsLeft(int done, int total) const;

    // "1,234 of 5,147 bytes, about 2 min 10 s left"
    QString progressText(int done, int total) const;

private:
    QElapsedTimer m_clock;
};

// "2 min 10 s", "45 s", "1 h 02 min".
QString durationText(double seconds);

// A count of bytes as every window writes it: "4,202".
QString byteCountText(qint64 bytes);

} // namespace corvex
