#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace corvex {

namespace {

constexpr mode_t anyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

std::optional<struct stat> statusOf(const QString &file)
{
    struct stat status {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Sync to disk: a file system that cannot sync at all is no failure, a
// failing sync (no space, I/O error) is.
bool syncToDisk(int handle, int &error)
{
    if (::fsync(handle) == 0 || errno == EINVAL || errno == ENOTSUP)
        return true;
    error = errno;
    return false;
}

} // namespace

QString cannotReadMessage(const QString &file, const QString &why)
{
    return QStringLiteral("Cannot read \"%1\": %2.").arg(file, why);
}

StoreResult writeWholeFile(const QString &file, const QByteArray &bytes)
{
    std::optional<struct stat> old = statusOf(file);
    if (old && !S_ISREG(old->st_mode))
        old.reset(); // nothing of a device or the like is carried over
    const QString leftAsItWas = old ? QStringLiteral(" The file was left as it was.") : QStringLiteral(" No file was written.");
    if (old && (old->st_mode & anyWriteBit) == 0) {
        return StoreResult::failed(
            QStringLiteral("\"%1\" is read-only (it has no write permission), so it was not written; it stays as it is.")
                .arg(file));
    }
    const auto failed = [&](const QString &why) {
        return StoreResult::failed(QStringLiteral("Cannot write \"%1\": %2.").arg(file, why) + leftAsItWas);
    };

    QSaveFile saving(file);
    if (!saving.open(QIODevice::WriteOnly))
        return failed(saving.errorString());
    if (saving.write(bytes) != bytes.size() || !saving.flush()) {
        const QString why = saving.errorString();
        saving.cancelWriting();
        return failed(why);
    }
    int error = 0;
    if (old && ::fchmod(saving.handle(), old->st_mode & 07777) != 0)
        error = errno;
    if (old && !error && ::geteuid() == 0 && ::fchown(saving.handle(), old->st_uid, old->st_gid) != 0)
        error = errno;
    if (error || !syncToDisk(saving.handle(), error)) {
        saving.cancelWriting();
        return failed(systemError(error));
    }
    if (!saving.commit())
        return failed(saving.errorString());
    return StoreResult::done();
}

StoreResult composeWholeFile(const QString &file, const ComposeFile &compose, const CompleteFile &isComplete)
{
    const QFileInfo target(file);
    QTemporaryFile scratch(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
    if (!scratch.open()) {
        return StoreResult::failed(QStringLiteral("Cannot write in \"%1\": %2. No file was changed.")
                                       .arg(QDir::toNativeSeparators(target.absolutePath()), scratch.errorString()));
    }
    scratch.close();
    if (const StoreResult composed = compose(scratch.fileName()); !composed)
        return composed;

    QFile written(scratch.fileName());
    QByteArray bytes;
    if (written.open(QIODevice::ReadOnly))
        bytes = written.readAll();
    if (written.error() != QFileDevice::NoError || !isComplete(bytes)) {
        return StoreResult::failed(
            QStringLiteral("Cannot write \"%1\": the file could not be written completely (is the disk full?).")
                .arg(file)
            + (QFileInfo::exists(file) ? QStringLiteral(" The file was left as it was.") : QStringLiteral(" No file was written.")));
    }
    return writeWholeFile(file, bytes);
}

} // namespace corvex
