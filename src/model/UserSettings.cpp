#include "UserSettings.h"

#include "ModelText.h"
#include "WholeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <optional>

namespace corvex {

namespace {

using SettingsValues = QMap<QString, QString>;

SettingsValues valuesOf(const QSettings &settings)
{
    SettingsValues values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}

// What the bytes of a settings file hold, read by a settings object of its
// own (one on the composed file itself would answer from its cache).
std::optional<SettingsValues> parsedSettings(const QByteArray &bytes, const QString &besideFile)
{
    QTemporaryFile copy(besideFile + QStringLiteral(".XXXXXX.check"));
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return std::nullopt;
    copy.close();
    const QSettings reading(copy.fileName(), QSettings::NativeFormat);
    return valuesOf(reading);
}

// Settings objects keep a file they read cached and read it again only when
// its size or its modification time (in milliseconds) has changed; a file
// replaced within the same millisecond by one of the same size must still be
// read again.
struct FileStamp
{
    qint64 size = -1;
    QDateTime modified;

    explicit FileStamp(const QString &file)
    {
        const QFileInfo info(file);
        if (info.exists()) {
            size = info.size();
            modified = info.lastModified();
        }
    }
    bool operator==(const FileStamp &other) const { return size == other.size && modified == other.modified; }
};

void keepChangeVisible(const FileStamp &before, const QString &file)
{
    if (before.size < 0 || !(FileStamp(file) == before))
        return;
    QFile changed(file);
    if (changed.open(QIODevice::ReadWrite))
        changed.setFileTime(before.modified.addMSecs(1), QFileDevice::FileModificationTime);
}

} // namespace

std::unique_ptr<QSettings> openUserSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("CORVEX"),
                                       QStringLiteral("CORVEX"));
}

QVariant readUserSetting(const char *key, const QVariant &fallback)
{
    auto settings = openUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::group));
    return settings->value(QLatin1String(key), fallback);
}

StoreResult writeUserSetting(const char *key, const QVariant &value)
{
    return writeUserSettings({{key, value}});
}

StoreResult writeUserSettings(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    const QString file = openUserSettings()->fileName();
    QByteArray current;
    if (QFileInfo::exists(file)) {
        QFile reading(file);
        if (!reading.open(QIODevice::ReadOnly))
            return StoreResult::failed(cannotReadMessage(file, reading.errorString()));
        current = reading.readAll();
    } else if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return StoreResult::failed(ModelText::tr("Cannot create the folder of \"%1\".").arg(file));
    }

    // The settings are changed in a copy, which must read back as written
    // before it replaces the file.
    SettingsValues expected;
    const auto compose = [&](const QString &scratch) {
        QFile copy(scratch);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(current) != current.size() || !copy.flush()) {
            return StoreResult::failed(
                ModelText::tr("Cannot write \"%1\": %2. The file was left as it was.").arg(file, copy.errorString()));
        }
        copy.close();
        QSettings settings(scratch, QSettings::NativeFormat);
        settings.beginGroup(QLatin1String(UserSetting::group));
        for (const auto &[key, value] : values) {
            if (value.isValid())
                settings.setValue(QLatin1String(key), value);
            else
                settings.remove(QLatin1String(key));
        }
        settings.endGroup();
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return StoreResult::failed(ModelText::tr("Cannot write \"%1\". The file was left as it was.").arg(file));
        expected = valuesOf(settings);
        return StoreResult::done();
    };
    const auto isComplete = [&](const QByteArray &bytes) { return parsedSettings(bytes, file) == expected; };
    const FileStamp before(file);
    const StoreResult written = composeWholeFile(file, compose, isComplete);
    if (written)
        keepChangeVisible(before, file);
    return written;
}

bool hasUserSetting(const char *key)
{
    auto settings = openUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::group));
    return settings->contains(QLatin1String(key));
}

} // namespace corvex
