#pragma once

#include "Command.h"

#include <QStringList>
#include <QTextStream>

namespace corvex {

// The command-line tool with `commands`, in the order --help lists them:
// `arguments` without the program name; results go to `out`, messages to
// `err`. Returns the exit code.
int runCorvexCtl(const QList<Command> &commands, const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace corvex
