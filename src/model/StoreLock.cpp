#include "StoreLock.h"

#include "ModelText.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>

#include <signal.h>

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
    qint64 pid = 0;
    QString host;
    QString application;
    const bool named = m_lock.getLockInfo(&pid, &host, &application);
    const bool thisHost = host.isEmpty() || host == QSysInfo::machineHostName();
    // An empty or unreadable lock file names nobody, and one that names no
    // live process here is left over: both are taken over.
    const bool leftOver = !named || (thisHost && (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)));
    if (leftOver && m_lock.removeStaleLockFile() && (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError))
        return true;
    if (named && !thisHost) {
        m_error = ModelText::tr("The local store \"%1\" is in use by a Corvex Utility on the computer \"%2\". "
                                "If that computer no longer uses it, remove the lock file \"%3\" and try again.")
                      .arg(QDir::toNativeSeparators(m_storePath), host,
                           QDir::toNativeSeparators(lockFilePath(m_storePath)));
        return false;
    }
    m_error = ModelText::tr("The local store \"%1\" is in use by another Corvex Utility. "
                            "Close it first, then try again.")
                  .arg(QDir::toNativeSeparators(m_storePath));
    return false;
}

} // namespace corvex
