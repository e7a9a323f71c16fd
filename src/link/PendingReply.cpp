#include "PendingReply.h"

namespace corvex {

PendingReply::PendingReply(QObject *parent)
    : QObject(parent)
{
}

bool PendingReply::markFinished()
{
    if (m_finished)
        return false;
    m_finished = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_aborted)
                emit finished();
        },
        Qt::QueuedConnection);
    return true;
}

} // namespace corvex
