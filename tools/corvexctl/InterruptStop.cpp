#include "InterruptStop.h"

#include "Command.h"
#include "StopSignals.h"
#include "TransferJob.h"

#include <csignal>

namespace corvex {

StopOnInterrupt::StopOnInterrupt(TransferJob &job, CommandContext &context)
    : m_signals(std::make_unique<StopSignals>(QList<int>{SIGINT, SIGTERM, SIGHUP}))
{
    QObject::connect(m_signals.get(), &StopSignals::received, &job, [&job, &context](int signalNumber) {
        if (!job.isRunning())
            return;
        context.stoppedBySignal = true;
        QTextStream &err = context.err;
        err << StopSignals::signalName(signalNumber) << " received: stopping.\n";
        err.flush();
        job.stop();
    });
}

StopOnInterrupt::~StopOnInterrupt() = default;

} // namespace corvex
