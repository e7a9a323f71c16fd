#include "InterruptStop.h"

#include "TransferJob.h"

#include <QSocketNotifier>

#include <csignal>

#include <unistd.h>

namespace corvex {

namespace {

int interruptPipe[2] = {-1, -1};

void noteInterrupt(int)
{
    const char note = 1;
    static_cast<void>(::write(interruptPipe[1], &note, 1));
}

} // namespace

StopOnInterrupt::StopOnInterrupt(TransferJob &job)
{
    if (::pipe(interruptPipe) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(interruptPipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, &job, [&job] {
        char ignored = 0;
        static_cast<void>(::read(interruptPipe[0], &ignored, 1));
        job.stop();
    });
    m_previous = std::signal(SIGINT, noteInterrupt);
}

StopOnInterrupt::~StopOnInterrupt()
{
    if (!m_notifier)
        return;
    std::signal(SIGINT, m_previous);
    m_notifier.reset();
    ::close(interruptPipe[0]);
    ::close(interruptPipe[1]);
}

} // namespace corvex
