#pragma once

#include <QLockFile>
#include <QString>

namespace corvex {

// Only one utility (the window or the command-line tool) works on a store
// at a time. The lock is a file beside the store, "CORVEX.ini.lock", that
// names the process holding it; a lock left by a run that crashed is taken
// over, as its process is gone. The lock is released when the object goes.
class StoreLock
{
public:
    explicit StoreLock(const QString &storePath);

    // False when another utility holds the store; error() then says so.
    // Where no lock file can be made (a read-only folder), the store cannot
    // be saved either: that is left to the save to report, and this is true.
    bool tryLock();

    QString error() const { return m_error; }

    static QString lockFilePath(const QString &storePath);

private:
    QString m_storePath;
    QLockFile m_lock;
    QString m_error;
};

} // namespace corvex
