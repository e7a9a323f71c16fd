#pragma once

#include <QStringList>
#include <QTextStream>

// The command-line tool: `arguments` without the program name; results go
// to `out`, messages to `err`. Returns the exit code.
int RunCorvexCtl(const QStringList &arguments, QTextStream &out, QTextStream &err);
