#pragma once

#include <QList>
#include <QObject>

#include <memory>

class QSocketNotifier;

namespace corvex {

// While it lives, the given signals (SIGINT, SIGTERM, SIGHUP) no longer end
// the process at once: received(signal) follows from the event loop, so
// that the work under way can end as it does when the user stops it. The
// handler only writes to a pipe. One object at a time; the signals get
// their previous handling back when it goes.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(const QList<int> &signalNumbers, QObject *parent = nullptr);
    ~StopSignals() override;

    // "SIGTERM" and the like, for messages.
    static QString signalName(int signalNumber);

Q_SIGNALS:
    void received(int signalNumber);

private:
    QList<int> m_signals;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace corvex
