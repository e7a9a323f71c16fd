#pragma once

#include "Line.h"

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
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

    // The time one character takes on the line: 10 bits at 9600 baud.
    static constexpr std::chrono::nanoseconds characterTime = std::chrono::nanoseconds(std::chrono::seconds(10)) / 9600;

    // The clock's time now.
    static std::chrono::nanoseconds now(const QElapsedTimer &clock) { return std::chrono::nanoseconds(clock.nsecsElapsed()); }

    // Queues bytes to leave at `due` (clock time); with wire timing each
    // character is paced from there, after whatever is still being sent.
    void send(const QByteArray &bytes, std::chrono::nanoseconds due);

    // When the line is free again (the last queued character has left).
    std::chrono::nanoseconds busyUntil() const { return m_busyUntil; }

private:
    struct Piece
    {
        std::chrono::nanoseconds due;
        QByteArray bytes;
    };

    void sendDue();
    void schedule();

    Line &m_line;
    const QElapsedTimer &m_clock;
    bool m_wireTiming = false;
    std::chrono::nanoseconds m_busyUntil{0};
    std::deque<Piece> m_queue;
    QTimer m_timer;
};

} // namespace corvex
