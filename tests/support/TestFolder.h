#pragma once

#include "support/TestEnvironment.h"

namespace corvex {

// A test's own per-user settings and a folder for its files, the store
// CORVEX.ini among them. Create one per test function, in init().
struct TestFolder
{
    IsolatedUserFolders folders;
    QString path(const QString &name) const { return folders.path() + QLatin1Char('/') + name; }
    QString store = path(QStringLiteral("CORVEX.ini"));
};

} // namespace corvex
