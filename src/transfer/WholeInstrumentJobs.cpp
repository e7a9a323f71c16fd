#include "WholeInstrumentJobs.h"

#include "JobLog.h"
#include "WireProtocol.h"

namespace corvex {

BackupJob *makeBackup(MemoryAccess &memory, TransferLog &log, const QString &file, const QString &port, QObject *parent)
{
    const BackupInfo info{QDateTime::currentDateTime(), port, QLatin1String(wire::identification),
                          QStringLiteral(CORVEX_VERSION)};
    auto *job = new BackupJob(memory, file, info, parent);
    const QString covered = file.isEmpty() ? QStringLiteral("Program01-99, Reagent 001-200 (for a comparison)") : file;
    logWhenFinished(job, log, log.newEntry(LogOperation::Backup, covered), [job] { return partFingerprint(job->data(), {}); });
    return job;
}

RestoreJob *makeRestore(MemoryAccess &memory, TransferLog &log, const InstrumentData &backup, const QString &backupFile, StorePart part,
                        InstrumentData &data, const QString &storePath, QObject *parent)
{
    auto *job = new RestoreJob(memory, backup, part, data, storePath, parent);
    const QString covered = backupFile + QStringLiteral(" (") + part.description() + QLatin1Char(')');
    logWhenFinished(job, log, log.newEntry(LogOperation::Restore, covered), [&data, part] { return partFingerprint(data, part); });
    return job;
}

} // namespace corvex
