#pragma once

#include "MemoryReply.h"
#include "TransferOutcome.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace corvex {

// One transfer between the instrument and the data (read or send a program,
// read or send a reagent, Read ALL), made by DeviceTransfers. It runs its
// memory commands one after another from signals and finishes exactly once,
// from the event loop (never inside start() or stop()).
//
// progress(done, maximum): programs count bytes (maximum 138, or 78 once the
// type byte of an LM program has been read); single reagents count their 13
// bytes; Read ALL counts reagents (maximum 200) and also emits reagentDone(r)
// after reagent r has been read into the table.
// retrying(attempt, attempts) comes before each repeat of a memory command
// (attempt 2..5 of 5).
//
// stop():
// - a read of a program or reagent ends at once; nothing is changed or saved
//   (status Stopped, no message);
// - a send finishes the program or reagent under way, so that the instrument
//   is never left half-written, and ends as it would have ended anyway;
// - Read ALL ends after the reagent under way, keeping and saving the
//   reagents read (status Stopped); while a byte is being retried it ends at
//   once, keeping the reagents read before it.
// Calling stop() again, or after the end, does nothing.
class TransferJob : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void start() = 0;
    void stop();

    bool isRunning() const { return m_started && !m_finished; }
    bool isFinished() const { return m_finished; }
    // Valid after finished().
    TransferOutcome outcome() const { return m_outcome; }

Q_SIGNALS:
    void progress(int done, int maximum);
    void reagentDone(int reagent);
    void retrying(int attempt, int attempts);
    void finished(const TransferOutcome &outcome);

protected:
    // Called once, on the first stop() while running.
    virtual void stopRequested() = 0;
    // Called after retrying() has been emitted for the reply under way.
    virtual void retryStarted() {}

    void markStarted() { m_started = true; }
    // True once finish() has been called.
    bool hasEnded() const { return m_finishing; }
    bool stopWanted() const { return m_stopRequested; }
    // Watches a memory reply: passes its retries on and calls `done` when
    // it finishes. The reply is deleted afterwards; an earlier one is aborted.
    void await(MemoryReply *reply, std::function<void(MemoryReply &)> done);
    // Gives up the reply under way (no more attempts, no report).
    void abandonReply();
    bool replyIsRetrying() const { return m_retrying; }
    // Emits finished(outcome) from the event loop; only the first call counts.
    void finish(const TransferOutcome &outcome);

private:
    QPointer<MemoryReply> m_reply;
    bool m_retrying = false;
    bool m_started = false;
    bool m_stopRequested = false;
    bool m_finished = false;
    bool m_finishing = false;
    TransferOutcome m_outcome;
};

} // namespace corvex
