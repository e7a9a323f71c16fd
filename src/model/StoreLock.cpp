#include "model/StoreLock.h"

#include <QDir>

StoreLock::StoreLock(const QString &storePath)
    : m_storePath(storePath)
    , m_lock(LockFilePath(storePath))
{
    // A holder that still runs keeps its lock however long it works.
    m_lock.setStaleLockTime(0);
}

QString StoreLock::LockFilePath(const QString &storePath)
{
    return storePath + QStringLiteral(".lock");
}

bool StoreLock::tryLock()
{
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
        return true;
    m_error = QStringLiteral("The local store \"%1\" is in use by another Corvex Utility. "
                             "Close it first, then try again.")
                  .arg(QDir::toNativeSeparators(m_storePath));
    return false;
}
