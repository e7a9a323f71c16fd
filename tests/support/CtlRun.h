#pragma once

#include "CtlMain.h"
#include "DeviceCommands.h"
#include "OfflineCommands.h"
#include "support/CtlProcess.h"

#include <QTextStream>

// Runs the command-line tool in this process, with its output streams read
// back: its store and device commands (the print commands run in the tool's
// own process, which links the picture readers).
inline CtlRun RunCtl(const QStringList &arguments)
{
    CtlRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = RunCorvexCtl(OfflineCommands() + DeviceCommands(), arguments, out, err);
    return run;
}
