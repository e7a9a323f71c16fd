#pragma once

#include "BackupJob.h"
#include "RestoreJob.h"
#include "TransferLog.h"

namespace corvex {

// The backup and the restore as the utility and the command-line tool run
// them: each adds its line to `log` when it finishes.

// A backup into `file` (none when empty: a read for a comparison), stamped
// with the port, the instrument's identification and this utility's version.
BackupJob *makeBackup(MemoryAccess &memory, TransferLog &log, const QString &file, const QString &port, QObject *parent = nullptr);

// Restores `part` of the backup read from `backupFile`.
RestoreJob *makeRestore(MemoryAccess &memory, TransferLog &log, const InstrumentData &backup, const QString &backupFile, StorePart part,
                        InstrumentData &data, const QString &storePath, QObject *parent = nullptr);

} // namespace corvex
