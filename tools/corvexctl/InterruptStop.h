#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace corvex {

class TransferJob;

// While it lives, Ctrl+C stops the job (from the event loop: the signal
// handler only writes to a pipe). The job decides when it ends: Read ALL
// after the reagent under way, a restore after the program under way.
class StopOnInterrupt
{
public:
    explicit StopOnInterrupt(TransferJob &job);
    ~StopOnInterrupt();
    StopOnInterrupt(const StopOnInterrupt &) = delete;
    StopOnInterrupt &operator=(const StopOnInterrupt &) = delete;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    void (*m_previous)(int) = nullptr;
};

} // namespace corvex
