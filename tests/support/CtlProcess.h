#pragma once

#include "support/BuiltPrograms.h"

#include <QProcess>
#include <QStringList>

namespace corvex {

// What one run of the command-line tool printed, and how it ended.
struct CtlRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// A table row of command lines: the arguments, the exit code and a text printed.
struct ToolRun
{
    QStringList arguments;
    int exitCode = 0;
    QString text;
};

// Runs a program (the real corvexctl, or a wrapper that starts it) as its
// own process and reads back what it printed.
inline CtlRun runProcess(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    CtlRun run;
    if (tool.waitForFinished(60'000) && tool.exitStatus() == QProcess::NormalExit)
        run.exitCode = tool.exitCode();
    run.out = QString::fromUtf8(tool.readAllStandardOutput());
    run.err = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

// Runs corvexctl with every file it writes cut at `kib` KiB, with EFBIG
// instead of a signal, as on a full disk.
inline CtlRun runCtlOnAFullDisk(const QStringList &arguments, int kib)
{
    const QString limited = QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(kib);
    return runProcess(QStringLiteral("/bin/bash"), QStringList{QStringLiteral("-c"), limited, ctlProgram()} + arguments);
}

} // namespace corvex
