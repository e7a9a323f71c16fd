#include "Transmitter.h"

#include <algorithm>
#include <time.h>

namespace corvex {

namespace {
// A timer wakes on whole milliseconds; the rest is slept precisely.
constexpr std::chrono::nanoseconds fineSleepLimit = std::chrono::milliseconds(2);

void sleepFor(std::chrono::nanoseconds time)
{
    if (time <= std::chrono::nanoseconds::zero())
        return;
    const auto seconds = std::chrono::floor<std::chrono::seconds>(time);
    timespec pause{static_cast<time_t>(seconds.count()), static_cast<long>((time - seconds).count())};
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

void Transmitter::send(const QByteArray &bytes, std::chrono::nanoseconds due)
{
    if (!m_wireTiming) {
        m_queue.push_back({std::max(due, m_busyUntil), bytes});
        m_busyUntil = m_queue.back().due;
    } else {
        // A character is complete one character time after it starts.
        std::chrono::nanoseconds start = std::max(due, m_busyUntil);
        for (const char c : bytes) {
            start += characterTime;
            m_queue.push_back({start, QByteArray(1, c)});
        }
        m_busyUntil = start;
    }
    schedule();
}

void Transmitter::schedule()
{
    if (m_queue.empty())
        return;
    const std::chrono::nanoseconds wait = m_queue.front().due - now(m_clock);
    if (wait <= fineSleepLimit) {
        sleepFor(wait);
        sendDue();
        return;
    }
    m_timer.start(std::chrono::duration_cast<std::chrono::milliseconds>(wait - fineSleepLimit / 2));
}

void Transmitter::sendDue()
{
    if (m_queue.empty())
        return;
    sleepFor(m_queue.front().due - now(m_clock));
    const std::chrono::nanoseconds sentAt = now(m_clock);
    QByteArray due;
    while (!m_queue.empty() && m_queue.front().due <= sentAt) {
        due.append(m_queue.front().bytes);
        m_queue.pop_front();
    }
    m_line.write(due);
    if (!m_queue.empty())
        QTimer::singleShot(0, this, &Transmitter::schedule);
}

} // namespace corvex
