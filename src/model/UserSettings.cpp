#include "model/UserSettings.h"

#include "model/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <optional>

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

} // namespace

std::unique_ptr<QSettings> OpenUserSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("CORVEX"),
                                       QStringLiteral("CORVEX"));
}

QVariant ReadUserSetting(const char *key, const QVariant &fallback)
{
    auto settings = OpenUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::Group));
    return settings->value(QLatin1String(key), fallback);
}

StoreResult WriteUserSetting(const char *key, const QVariant &value)
{
    const QString file = OpenUserSettings()->fileName();
    QByteArray current;
    if (QFileInfo::exists(file)) {
        QFile reading(file);
        if (!reading.open(QIODevice::ReadOnly))
            return StoreResult::Failed(QStringLiteral("Cannot read \"%1\": %2.").arg(file, reading.errorString()));
        current = reading.readAll();
    } else if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return StoreResult::Failed(QStringLiteral("Cannot create the folder of \"%1\".").arg(file));
    }

    // The settings are changed in a copy, which must read back as written
    // before it replaces the file.
    SettingsValues expected;
    const auto compose = [&](const QString &scratch) {
        if (const StoreResult copied = WriteWholeFile(scratch, current); !copied)
            return copied;
        QSettings settings(scratch, QSettings::NativeFormat);
        settings.beginGroup(QLatin1String(UserSetting::Group));
        settings.setValue(QLatin1String(key), value);
        settings.endGroup();
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return StoreResult::Failed(QStringLiteral("Cannot write \"%1\". The file was left as it was.").arg(file));
        expected = valuesOf(settings);
        return StoreResult::Done();
    };
    const auto isComplete = [&](const QByteArray &bytes) { return parsedSettings(bytes, file) == expected; };
    return ComposeWholeFile(file, compose, isComplete);
}

bool HasUserSetting(const char *key)
{
    auto settings = OpenUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::Group));
    return settings->contains(QLatin1String(key));
}
