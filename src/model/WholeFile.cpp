#include "WholeFile.h"

#include "ModelText.h"
#include "StorePath.h"

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

// Sync to disk: a file system that cannot sync at all is no failure, a
// failing sync (no space, I/O error) is.
bool syncToDisk(int handle, int &error)
{
    if (::fsync(handle) == 0 || errno == EINVAL || errno == ENOTSUP)
        return true;
    error = errno;
    return false;
}

// Why `file` may not be replaced, or empty: only a regular file is, and (as
// the kernel's protected_symlinks) not through a symbolic link in a
// world-writable sticky folder that belongs neither to this user nor to the
// folder's owner, which another user may have planted there.
QString unfitTarget(const QString &file, const std::optional<struct stat> &target)
{
    if (target && !S_ISREG(target->st_mode)) {
        const QString kind = S_ISDIR(target->st_mode)    ? ModelText::tr("a folder")
                             : S_ISFIFO(target->st_mode) ? ModelText::tr("a pipe")
                                                         : ModelText::tr("a device or the like");
        return ModelText::tr("\"%1\" is not a regular file (%2), so it was not written.").arg(file, kind);
    }
    struct stat link {};
    if (::lstat(QFile::encodeName(file).constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return {};
    const std::optional<struct stat> folder = statusOf(QFileInfo(file).absolutePath());
    const bool openFolder = folder && (folder->st_mode & S_ISVTX) && (folder->st_mode & S_IWOTH);
    if (openFolder && link.st_uid != ::geteuid() && link.st_uid != folder->st_uid) {
        return ModelText::tr("\"%1\" is a symbolic link of another user in a folder open to everyone, so it was not "
                             "followed and nothing was written.")
            .arg(file);
    }
    return {};
}

QString readOnlyMessage(const QString &file)
{
    return ModelText::tr("\"%1\" is read-only (it has no write permission), so it was not written; it stays as it is.")
        .arg(file);
}

} // namespace

QString writeTargetProblem(const QString &file)
{
    const std::optional<struct stat> old = statusOf(file);
    if (const QString unfit = unfitTarget(file, old); !unfit.isEmpty())
        return unfit;
    if (old && (old->st_mode & anyWriteBit) == 0)
        return readOnlyMessage(file);
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo(folder).isDir())
        return ModelText::tr("The folder \"%1\" does not exist.").arg(folder);
    if (!isWritableFolder(folder))
        return ModelText::tr("Cannot write in the folder \"%1\".").arg(folder);
    return {};
}

bool writeAllBytes(int handle, const QByteArray &bytes, int &error)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(handle, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = written < 0 ? errno : ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotReadMessage(const QString &file, const QString &why)
{
    return ModelText::tr("Cannot read \"%1\": %2.").arg(file, why);
}

StoreResult writeWholeFile(const QString &file, const QByteArray &bytes)
{
    const std::optional<struct stat> old = statusOf(file);
    if (const QString unfit = unfitTarget(file, old); !unfit.isEmpty())
        return StoreResult::failed(unfit);
    const QString leftAsItWas =
        old ? ModelText::tr(" The file was left as it was.") : ModelText::tr(" No file was written.");
    if (old && (old->st_mode & anyWriteBit) == 0)
        return StoreResult::failed(readOnlyMessage(file));
    const auto failed = [&](const QString &why) {
        return StoreResult::failed(ModelText::tr("Cannot write \"%1\": %2.").arg(file, why) + leftAsItWas);
    };

    QSaveFile saving(file);
    if (!saving.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(saving.errorString());
    int error = 0;
    // Written past Qt's buffer, so that the system's reason ("No space left
    // on device", "File too large") is what the message says.
    if (!writeAllBytes(saving.handle(), bytes, error)) {
        saving.cancelWriting();
        return failed(systemErrorText(error));
    }
    if (old && ::fchmod(saving.handle(), old->st_mode & 07777) != 0)
        error = errno;
    if (old && !error && ::geteuid() == 0 && ::fchown(saving.handle(), old->st_uid, old->st_gid) != 0)
        error = errno;
    if (error || !syncToDisk(saving.handle(), error)) {
        saving.cancelWriting();
        return failed(systemErrorText(error));
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
        return StoreResult::failed(ModelText::tr("Cannot write in \"%1\": %2. No file was changed.")
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
            ModelText::tr("Cannot write \"%1\": the file could not be written completely (is the disk full?).")
                .arg(file)
            + (QFileInfo::exists(file) ? ModelText::tr(" The file was left as it was.")
                                       : ModelText::tr(" No file was written.")));
    }
    return writeWholeFile(file, bytes);
}

} // namespace corvex
