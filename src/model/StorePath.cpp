#include "StorePath.h"

#include "LocalStore.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace corvex {

bool isWritableFolder(const QString &folder)
{
    // Creating a file is the only test that also sees read-only mounts and ACLs.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".corvex-probe-XXXXXX")));
    return probe.open();
}

QString chooseStorePath(const QString &programFolder, bool programFolderWritable, const QString &userDataFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(QLatin1String(storeFileName));
    if (programFolderWritable)
        return besideProgram;

    const QString perUser = QDir(userDataFolder).filePath(QLatin1String(storeFileName));
    if (QFile::exists(perUser) || !QFile::exists(besideProgram)) {
        // A new user's first save needs the folder.
        QDir().mkpath(userDataFolder);
        return perUser;
    }
    // The copy is a new file of the user's (not read-only like its source), written whole or not at all.
    QFile source(besideProgram);
    if (QDir().mkpath(userDataFolder) && source.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = source.readAll();
        if (source.error() == QFileDevice::NoError && writeWholeFile(perUser, bytes))
            return perUser;
    }
    return besideProgram;
}

QString defaultStorePath()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    // The per-user data folder of the application "CORVEX", whatever name the
    // running program (the utility or the command-line tool) gives itself.
    const QString userDataFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("CORVEX"));
    const QStringList installFolders = QStringLiteral(CORVEX_INSTALL_BINDIRS).split(QLatin1Char(':'));
    const bool installed = std::any_of(installFolders.begin(), installFolders.end(),
                                       [&](const QString &folder) { return QDir(programFolder) == QDir(folder); });
    return chooseStorePath(programFolder, !installed && isWritableFolder(programFolder), userDataFolder);
}

} // namespace corvex
