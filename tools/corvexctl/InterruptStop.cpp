#include "InterruptStop.h"

#include "StopSignals.h"
#include "TransferJob.h"

#include <csignal>

namespace corvex {

StopOnInterrupt::StopOnInterrupt(TransferJob &job, QTextStream &err)
    : m_signals(std::make_unique<StopSignals>(QList<int>{SIGINT, SIGTERM, SIGHUP}))
{
    QObject::connect(m_signals.get(), &StopSignals::received, &job, [&job, &err](int signalNumber) {
        if (!job.isRunning())
            return;
        err << StopSignals::signalName(signalNumber) << " received: stopping.\n";
        err.flush();
        job.stop();
    });
}

StopOnInterrupt::~StopOnInterrupt() = default;

} // namespace corvex
