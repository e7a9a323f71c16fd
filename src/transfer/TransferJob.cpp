#include "TransferJob.h"

#include "MemoryReply.h"

namespace corvex {

void TransferJob::stop()
{
    if (!isRunning() || m_stopRequested || m_finishing)
        return;
    m_stopRequested = true;
    stopRequested();
}

void TransferJob::await(MemoryReply *reply, std::function<void(MemoryReply &)> done)
{
    abandonReply();
    m_reply = reply;
    m_retrying = false;
    connect(reply, &MemoryReply::retrying, this, [this](int attempt, int attempts) {
        m_retrying = true;
        emit retrying(attempt, attempts);
        retryStarted();
    });
    connect(reply, &MemoryReply::finished, this, [this, reply, done = std::move(done)] {
        if (reply != m_reply)
            return;
        m_reply = nullptr;
        m_retrying = false;
        reply->deleteLater();
        done(*reply);
    });
}

void TransferJob::abandonReply()
{
    if (!m_reply)
        return;
    MemoryReply *reply = m_reply;
    m_reply.clear();
    m_retrying = false;
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
}

void TransferJob::finish(const TransferOutcome &outcome)
{
    if (m_finishing)
        return;
    m_finishing = true;
    m_outcome = outcome;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_finished = true;
            emit finished(m_outcome);
        },
        Qt::QueuedConnection);
}

} // namespace corvex
