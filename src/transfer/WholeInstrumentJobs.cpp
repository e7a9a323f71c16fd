#include "WholeInstrumentJobs.h"

#include "DeviceConnection.h"
#include "JobLog.h"

BackupJob *MakeBackup(MemoryAccess &memory, const QString &file, const QString &port, QObject *parent)
{
    const BackupInfo info{QDateTime::currentDateTime(), port, QLatin1String(DeviceConnection::Identification),
                          QStringLiteral(CORVEX_VERSION)};
    auto *job = new BackupJob(memory, file, info, parent);
    const QString covered = file.isEmpty() ? QStringLiteral("Program01-99, Reagent 001-200 (for a comparison)") : file;
    LogWhenFinished(job, NewLogEntry(LogOperation::Backup, covered), [job] { return PartFingerprint(job->data(), {}); });
    return job;
}

RestoreJob *MakeRestore(MemoryAccess &memory, const InstrumentData &backup, const QString &backupFile, StorePart part,
                        InstrumentData &data, const QString &storePath, QObject *parent)
{
    auto *job = new RestoreJob(memory, backup, part, data, storePath, parent);
    const QString covered = backupFile + QStringLiteral(" (") + part.description() + QLatin1Char(')');
    LogWhenFinished(job, NewLogEntry(LogOperation::Restore, covered), [&data, part] { return PartFingerprint(data, part); });
    return job;
}
