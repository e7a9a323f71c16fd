#pragma once

#include "CtlMain.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// One run of the command-line tool inside the test process, with what it
// printed on each stream.
struct CtlRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline CtlRun RunCtl(const QStringList &arguments)
{
    CtlRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = RunCorvexCtl(arguments, out, err);
    return run;
}
