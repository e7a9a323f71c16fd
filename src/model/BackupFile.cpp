#include "BackupFile.h"

#include "Cp1252.h"
#include "IniFile.h"
#include "StoreSections.h"

namespace corvex {

namespace {

const QByteArray backupSection = "Backup";

// Values are one line of Windows-1252 text.
QByteArray valueText(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return encodeCp1252(line);
}

} // namespace

StoreResult writeBackupFile(const QString &path, const InstrumentData &data, const BackupInfo &info)
{
    IniFile ini;
    ini.setFileName(path);
    ini.startEmpty();
    ini.setSectionName(backupSection);
    const QDateTime created = info.created.toOffsetFromUtc(info.created.offsetFromUtc());
    ini.writeString("Created", created.toString(Qt::ISODate).toLatin1());
    ini.writeString("Port", valueText(info.port));
    ini.writeString("Identification", valueText(info.identification));
    ini.writeString("Version", valueText(info.version));
    writeStoreSections(ini, data);
    return ini.save();
}

std::optional<BackupInfo> readBackupInfo(const QString &path)
{
    IniFile ini;
    ini.setFileName(path);
    ini.setSectionName(backupSection);
    QByteArray created;
    if (ini.readString("Created", created) != IniFile::Result::Ok)
        return std::nullopt;
    BackupInfo info;
    info.created = QDateTime::fromString(QString::fromLatin1(created), Qt::ISODate);
    const auto text = [&](QByteArrayView key) {
        QByteArray value;
        ini.readString(key, value);
        return decodeCp1252(value);
    };
    info.port = text("Port");
    info.identification = text("Identification");
    info.version = text("Version");
    return info;
}

} // namespace corvex
