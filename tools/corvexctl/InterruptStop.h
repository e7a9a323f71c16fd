#pragma once

#include <QTextStream>

#include <memory>

namespace corvex {

class CommandContext;
class StopSignals;
class TransferJob;

// While it lives, Ctrl+C, SIGTERM and SIGHUP stop the job (from the event
// loop), and the context's error stream says which came. The job decides when it ends: Read ALL
// after the reagent under way, a send or restore after the item under way,
// a read at once; it reports and logs as when stopped by hand.
class StopOnInterrupt
{
public:
    StopOnInterrupt(TransferJob &job, CommandContext &context);
    ~StopOnInterrupt();
    StopOnInterrupt(const StopOnInterrupt &) = delete;
    StopOnInterrupt &operator=(const StopOnInterrupt &) = delete;

private:
    std::unique_ptr<StopSignals> m_signals;
};

} // namespace corvex
