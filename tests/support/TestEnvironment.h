#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// Points the per-user settings and data folders at a fresh temporary folder,
// so that a test never reads or writes the real user's settings. Call it in
// initTestCase() before anything opens the settings, or in init() for a clean
// slate per test function (QSettings rereads the file when the path changes).
class IsolatedUserFolders
{
public:
    IsolatedUserFolders()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
