#pragma once

#include <QObject>

namespace corvex {

// What CommandReply and MemoryReply share: they finish once, and report it
// from the event loop, never inside the call that ended them; an aborted
// reply no longer reports.
class PendingReply : public QObject
{
    Q_OBJECT

public:
    bool isFinished() const { return m_finished; }
    bool isAborted() const { return m_aborted; }

Q_SIGNALS:
    void finished();

protected:
    explicit PendingReply(QObject *parent);

    // Marks the reply finished and emits finished() from the event loop,
    // unless it has been aborted by then. Only the first call counts: it
    // returns false on every later one, and the reply keeps its result.
    bool markFinished();
    void markAborted() { m_aborted = true; }

private:
    bool m_finished = false;
    bool m_aborted = false;
};

} // namespace corvex
