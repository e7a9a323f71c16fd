#pragma once

#include "Line.h"

#include <QElapsedTimer>
#include <QTimer>

#include <deque>

namespace corvex {

// Sends replies on the line at the moments they are due. With wire timing,
// every character leaves at the pace of a 9600-baud line (10 bits, about
// 1.04 ms each), one after the other; otherwise pieces leave at once.
class Transmitter : public QObject
{
    Q_OBJECT

public:
    Transmitter(Line &line, const QElapsedTimer &clock, bool wireTiming);

    // Nanoseconds one character takes on the line.
    static constexpr qint64 characterTimeNs = 10 * 1'000'000'000LL / 9600;

    // Queues bytes to leave at `dueNs` (clock time); with wire timing each
    // character is paced from there, after whatever is still being sent.
    void send(const QByteArray &bytes, qint64 dueNs);

    // When the line is free again (the last queued character has left).
    qint64 busyUntilNs() const { return m_busyUntilNs; }

private:
    struct Piece
    {
        qint64 dueNs;
        QByteArray bytes;
    };

    void sendDue();
    void schedule();

    Line &m_line;
    const QElapsedTimer &m_clock;
    bool m_wireTiming = false;
    qint64 m_busyUntilNs = 0;
    std::deque<Piece> m_queue;
    QTimer m_timer;
};

} // namespace corvex
