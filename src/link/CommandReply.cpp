#include "CommandReply.h"

namespace corvex {

CommandReply::CommandReply(QByteArray command, QObject *parent)
    : QObject(parent)
    , m_command(std::move(command))
{
}

void CommandReply::abort()
{
    m_aborted = true;
}

void CommandReply::finish(const QByteArray &reply, Error error)
{
    if (m_finished)
        return;
    m_finished = true;
    m_reply = reply;
    m_error = error;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_aborted)
                emit finished();
        },
        Qt::QueuedConnection);
}

} // namespace corvex
