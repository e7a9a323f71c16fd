#include "StoreLock.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>

namespace corvex {

StoreLock::StoreLock(const QString &storePath)
    : m_storePath(storePath)
    , m_lock(lockFilePath(storePath))
{
    // A holder that still runs keeps its lock however long it works.
    m_lock.setStaleLockTime(std::chrono::milliseconds::zero());
}

QString StoreLock::lockFilePath(const QString &storePath)
{
    // One lock whatever name leads to the store (links, relative paths).
    const QFileInfo store(storePath);
    if (store.isSymLink() && !store.canonicalFilePath().isEmpty())
        return store.canonicalFilePath() + QStringLiteral(".lock");
    const QString folder = store.absoluteDir().canonicalPath();
    return QDir(folder.isEmpty() ? store.absolutePath() : folder).filePath(store.fileName() + QStringLiteral(".lock"));
}

bool StoreLock::tryLock()
{
    if (m_lock.tryLock(std::chrono::milliseconds::zero()) || m_lock.error() != QLockFile::LockFailedError)
        return true;
    m_error = QStringLiteral("The local store \"%1\" is in use by another Corvex Utility. "
                             "Close it first, then try again.")
                  .arg(QDir::toNativeSeparators(m_storePath));
    return false;
}

} // namespace corvex
