#include "StopSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <map>

#include <fcntl.h>
#include <unistd.h>

namespace corvex {

namespace {

int signalPipe[2] = {-1, -1};
std::map<int, struct sigaction> previousActions;

void noteSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto note = static_cast<unsigned char>(signalNumber);
    static_cast<void>(::write(signalPipe[1], &note, 1));
    errno = savedErrno;
}

} // namespace

StopSignals::StopSignals(const QList<int> &signalNumbers, QObject *parent)
    : QObject(parent)
{
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_signals = signalNumbers;
    m_notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char note = 0;
        while (::read(signalPipe[0], &note, 1) == 1)
            Q_EMIT received(note);
    });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : m_signals)
        sigaction(signalNumber, &action, &previousActions[signalNumber]);
}

StopSignals::~StopSignals()
{
    if (!m_notifier)
        return;
    for (const int signalNumber : m_signals)
        sigaction(signalNumber, &previousActions[signalNumber], nullptr);
    previousActions.clear();
    m_notifier.reset();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

QString StopSignals::signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGINT:
        return QStringLiteral("SIGINT (Ctrl+C)");
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("signal %1").arg(signalNumber);
    }
}

} // namespace corvex
