#include "CommandReply.h"

namespace corvex {

CommandReply::CommandReply(QByteArray command, QObject *parent)
    : PendingReply(parent)
    , m_command(std::move(command))
{
}

void CommandReply::abort()
{
    markAborted();
}

void CommandReply::finish(const QByteArray &reply, Error error)
{
    if (isFinished())
        return;
    m_reply = reply;
    m_error = error;
    markFinished();
}

} // namespace corvex
