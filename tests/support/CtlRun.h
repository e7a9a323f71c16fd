#pragma once

#include "CtlMain.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// What one run of the command-line tool printed, and how it ended.
struct CtlRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the command-line tool in this process, with its output streams read back.
inline CtlRun RunCtl(const QStringList &arguments)
{
    CtlRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = RunCorvexCtl(arguments, out, err);
    return run;
}
