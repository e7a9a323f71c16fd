#pragma once

#include "MemoryFault.h"

#include "PendingReply.h"

namespace corvex {

// The answer to one memory command (SerialLink::readMemory / writeMemory, or
// a MemoryAccess). Up to five attempts are made; an attempt counts only when
// its own reply echoes the address (and, for a write, the value). Before
// each attempt after the first, retrying(attempt, attempts) is emitted, so a
// window can say that the instrument does not answer. finished() comes once,
// from the event loop, never inside the call that made the reply.
//
// Whoever made it is its parent; delete it (deleteLater()) once finished.
class MemoryReply : public PendingReply
{
    Q_OBJECT

public:
    explicit MemoryReply(QObject *parent = nullptr);

    // None when an attempt passed the checks; otherwise why all of them failed.
    MemoryFault fault() const { return m_fault; }
    bool ok() const { return m_fault == MemoryFault::None; }
    // A read: the value parsed from the last reply that carried one (0 if
    // none did). A write: the value written.
    qint32 value() const { return m_value; }
    int attempts() const { return m_attempts; }

    // Makes no further attempt and never reports again. A command already
    // on the wire runs to its end there.
    void abort();

    // For the parts that carry out a memory command (the link, fakes in
    // tests): report a repeat about to be made (emits retrying), and the
    // end. finish() emits finished() from the event loop; only its first
    // call counts.
    void reportRetry(int attempt);
    void finish(MemoryFault fault, qint32 value, int attempts);

Q_SIGNALS:
    void retrying(int attempt, int attempts);
    // Emitted by abort(), so that whoever carries the command out can stop.
    void aborted();

private:
    MemoryFault m_fault = MemoryFault::None;
    qint32 m_value = 0;
    int m_attempts = 0;
};

} // namespace corvex
