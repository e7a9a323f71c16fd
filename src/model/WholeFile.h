#pragma once

#include "StoreResult.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace corvex {

// Every file the utility writes goes through here, so that it is written
// whole or not at all: the bytes go to a new file beside the target, every
// write, the flush and the sync to disk are checked, and only then does the
// new file take the target's place. On any failure the target keeps its old
// bytes and the result says what failed.
//
// A target without any write permission bits is never replaced, whoever
// runs the utility (root too), nor one that is not a regular file (a
// folder, a pipe, a device), nor a symbolic link that the kernel's
// protected_symlinks would not follow for root. A replaced file keeps its permissions (and,
// when root replaces it, its owner).
StoreResult writeWholeFile(const QString &file, const QByteArray &bytes);

// Why writeWholeFile would refuse `file` as it is now (see above, and a
// folder that is missing or cannot be written in), or empty: for a check
// before a long transfer whose result is to be written there.
QString writeTargetProblem(const QString &file);

// Writes all of `bytes` to the open file `handle`; on failure `error` is the
// system's reason (errno), for systemErrorText.
bool writeAllBytes(int handle, const QByteArray &bytes, int &error);
QString systemErrorText(int error);

// Why a file could not be read, fit to show: Cannot read "file": why.
QString cannotReadMessage(const QString &file, const QString &why);

// For files that a library writes itself (the settings), and which it may
// cut short without a word when the disk is full: `compose` writes
// into a scratch file beside the target, whose whole content must then pass
// `isComplete` before it replaces the target through writeWholeFile.
using ComposeFile = std::function<StoreResult(const QString &scratch)>;
using CompleteFile = std::function<bool(const QByteArray &bytes)>;
StoreResult composeWholeFile(const QString &file, const ComposeFile &compose, const CompleteFile &isComplete);

} // namespace corvex
