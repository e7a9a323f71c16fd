#include "MemoryReply.h"

#include "MemoryCommands.h"

namespace corvex {

MemoryReply::MemoryReply(QObject *parent)
    : PendingReply(parent)
{
}

void MemoryReply::abort()
{
    if (isAborted() || isFinished())
        return;
    markAborted();
    emit aborted();
}

void MemoryReply::reportRetry(int attempt)
{
    if (!isAborted() && !isFinished())
        emit retrying(attempt, memoryAttempts);
}

void MemoryReply::finish(MemoryFault fault, qint32 value, int attempts)
{
    if (isFinished())
        return;
    m_fault = fault;
    m_value = value;
    m_attempts = attempts;
    markFinished();
}

} // namespace corvex
