#include "MemoryReply.h"

#include "MemoryCommands.h"

namespace corvex {

MemoryReply::MemoryReply(QObject *parent)
    : QObject(parent)
{
}

void MemoryReply::abort()
{
    if (m_aborted || m_finished)
        return;
    m_aborted = true;
    emit aborted();
}

void MemoryReply::reportRetry(int attempt)
{
    if (!m_aborted && !m_finished)
        emit retrying(attempt, memoryAttempts);
}

void MemoryReply::finish(MemoryFault fault, qint32 value, int attempts)
{
    if (m_finished)
        return;
    m_finished = true;
    m_fault = fault;
    m_value = value;
    m_attempts = attempts;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_aborted)
                emit finished();
        },
        Qt::QueuedConnection);
}

} // namespace corvex
