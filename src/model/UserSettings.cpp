#include "model/UserSettings.h"

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

void WriteUserSetting(const char *key, const QVariant &value)
{
    auto settings = OpenUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::Group));
    settings->setValue(QLatin1String(key), value);
}

bool HasUserSetting(const char *key)
{
    auto settings = OpenUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::Group));
    return settings->contains(QLatin1String(key));
}
