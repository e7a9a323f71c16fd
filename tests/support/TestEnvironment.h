#pragma once

#include <QSettings>
#include <QTemporaryDir>
#include <QtGlobal>

namespace corvex {

// Points the per-user settings and data folders at a fresh temporary folder,
// so that a test never reads or writes the real user's settings. Create one
// per test function (in init()) for a clean slate each time.
class IsolatedUserFolders
{
public:
    IsolatedUserFolders()
    {
        const QString config = m_dir.filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
        // QSettings keeps the folder it found first; setPath moves it at any time.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace corvex
