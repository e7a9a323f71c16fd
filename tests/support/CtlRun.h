#pragma once

#include "CompareCommands.h"
#include "CtlMain.h"
#include "DeviceCommands.h"
#include "LogCommands.h"
#include "OfflineCommands.h"
#include "support/CtlProcess.h"
#include "WholeInstrumentCommands.h"

namespace corvex {

// Runs the command-line tool in this process, with its output streams read
// back: its store, device, whole-instrument, diff and log commands (the print
// commands run in the tool's own process, which links the picture readers).
inline CtlRun runCtl(const QStringList &arguments)
{
    CtlRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = runCorvexCtl(offlineCommands() + deviceCommands() + wholeInstrumentCommands() + compareCommands()
                                    + logCommands(),
                                arguments, out, err);
    return run;
}

} // namespace corvex
