#include "Transmitter.h"

#include <algorithm>
#include <time.h>

namespace corvex {

namespace {
constexpr qint64 nsPerMs = 1'000'000;
// A timer wakes on whole milliseconds; the rest is slept precisely.
constexpr qint64 fineSleepLimitNs = 2 * nsPerMs;

void sleepNs(qint64 ns)
{
    if (ns <= 0)
        return;
    timespec pause{static_cast<time_t>(ns / 1'000'000'000LL), static_cast<long>(ns % 1'000'000'000LL)};
    nanosleep(&pause, nullptr);
}
} // namespace

Transmitter::Transmitter(Line &line, const QElapsedTimer &clock, bool wireTiming)
    : m_line(line)
    , m_clock(clock)
    , m_wireTiming(wireTiming)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Transmitter::sendDue);
}

void Transmitter::send(const QByteArray &bytes, qint64 dueNs)
{
    if (!m_wireTiming) {
        m_queue.push_back({std::max(dueNs, m_busyUntilNs), bytes});
        m_busyUntilNs = m_queue.back().dueNs;
    } else {
        // A character is complete one character time after it starts.
        qint64 start = std::max(dueNs, m_busyUntilNs);
        for (const char c : bytes) {
            start += characterTimeNs;
            m_queue.push_back({start, QByteArray(1, c)});
        }
        m_busyUntilNs = start;
    }
    schedule();
}

void Transmitter::schedule()
{
    if (m_queue.empty())
        return;
    const qint64 wait = m_queue.front().dueNs - m_clock.nsecsElapsed();
    if (wait <= fineSleepLimitNs) {
        sleepNs(wait);
        sendDue();
        return;
    }
    m_timer.start(static_cast<int>((wait - fineSleepLimitNs / 2) / nsPerMs));
}

void Transmitter::sendDue()
{
    if (m_queue.empty())
        return;
    sleepNs(m_queue.front().dueNs - m_clock.nsecsElapsed());
    const qint64 now = m_clock.nsecsElapsed();
    QByteArray due;
    while (!m_queue.empty() && m_queue.front().dueNs <= now) {
        due.append(m_queue.front().bytes);
        m_queue.pop_front();
    }
    m_line.write(due);
    if (!m_queue.empty())
        QTimer::singleShot(0, this, &Transmitter::schedule);
}

} // namespace corvex
