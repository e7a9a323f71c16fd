#pragma once

#include "InstrumentData.h"
#include "StoreResult.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace corvex {

// A backup file is a complete store in the layout of CORVEX.ini (so that
// loadStore and every command on a store read it), with one more section,
// "Backup", that says where it came from.
struct BackupInfo
{
    QDateTime created;      // key "Created", ISO 8601 with the zone offset
    QString port;           // key "Port"
    QString identification; // key "Identification": what the instrument answered
    QString version;        // key "Version": the utility's version

    bool operator==(const BackupInfo &) const = default;
};

// Replaces `path` atomically by the backup; on failure the file is left as
// it was and the result says why.
StoreResult writeBackupFile(const QString &path, const InstrumentData &data, const BackupInfo &info);

// The section "Backup" of a file, when it has one.
std::optional<BackupInfo> readBackupInfo(const QString &path);

} // namespace corvex
