#include "BackupFile.h"

#include "Cp1252.h"
#include "IniFile.h"
#include "StoreSections.h"

namespace {

const QByteArray BackupSection = "Backup";

// Values are one line of Windows-1252 text.
QByteArray valueText(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return EncodeCp1252(line);
}

} // namespace

StoreResult WriteBackupFile(const QString &path, const InstrumentData &data, const BackupInfo &info)
{
    IniFile ini;
    ini.SetFileName(path);
    ini.StartEmpty();
    ini.SetSectionName(BackupSection);
    const QDateTime created = info.created.toOffsetFromUtc(info.created.offsetFromUtc());
    ini.WriteString("Created", created.toString(Qt::ISODate).toLatin1());
    ini.WriteString("Port", valueText(info.port));
    ini.WriteString("Identification", valueText(info.identification));
    ini.WriteString("Version", valueText(info.version));
    WriteStoreSections(ini, data);
    return ini.Save();
}

std::optional<BackupInfo> ReadBackupInfo(const QString &path)
{
    IniFile ini;
    ini.SetFileName(path);
    ini.SetSectionName(BackupSection);
    QByteArray created;
    if (ini.ReadString("Created", created) != IniFile::Ok)
        return std::nullopt;
    BackupInfo info;
    info.created = QDateTime::fromString(QString::fromLatin1(created), Qt::ISODate);
    const auto text = [&](QByteArrayView key) {
        QByteArray value;
        ini.ReadString(key, value);
        return DecodeCp1252(value);
    };
    info.port = text("Port");
    info.identification = text("Identification");
    info.version = text("Version");
    return info;
}
