#pragma once

#include <QString>

namespace corvex {

// The store's file name.
inline constexpr char storeFileName[] = "CORVEX.ini";

// Where the store lives, given the program's folder and the per-user data
// folder: beside the program when that folder is writable; otherwise in the
// per-user folder. When the per-user store does not exist yet but one lies
// beside the program (an installation whose folder became read-only), it is
// copied over first so that its data is kept; if that copy fails, the store
// beside the program is used (it loads; saving then reports the failure).
QString chooseStorePath(const QString &programFolder, bool programFolderWritable, const QString &userDataFolder);

// True when a file can be created in the folder.
bool isWritableFolder(const QString &folder);

} // namespace corvex
