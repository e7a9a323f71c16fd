#pragma once

#include <QLockFile>
#include <QString>

namespace corvex {

// Only one utility (the window or the command-line tool) works on a store
// at a time. The lock is a file beside the store, "CORVEX.ini.lock", that
// names the process and computer holding it. A lock file that names no live
// process on this computer (left by a crash, empty, unreadable) is taken
// over; one from another computer sharing the folder is respected and
// named. The lock is released when the object goes.
//
// The lock goes by the store's path, not by its device and inode: every
// save replaces the store with a new file (a new inode), so a lock by
// identity would change with each save, and a second hard link to the
// store is split off by the first save anyway and then names a file of
// its own.
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
