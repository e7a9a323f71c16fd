#pragma once

#include "CtlMain.h"
#include "support/CtlProcess.h"

#include <QTextStream>

// Runs the command-line tool in this process, with its output streams read back.
inline CtlRun RunCtl(const QStringList &arguments)
{
    CtlRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = RunCorvexCtl(arguments, out, err);
    return run;
}
