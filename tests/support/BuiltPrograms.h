#pragma once

#include <QCoreApplication>
#include <QString>

// A program of the build (corvex-sim, corvexctl): the path in the environment
// variable, if set, else the one beside the running test, so that a test
// program also works when started directly.
inline QString BuiltProgram(const char *environmentVariable, const QString &name)
{
    const QString given = qEnvironmentVariable(environmentVariable);
    return given.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') + name : given;
}

inline QString SimulatorProgram()
{
    return BuiltProgram("CORVEX_SIM", QStringLiteral("corvex-sim"));
}

inline QString CtlProgram()
{
    return BuiltProgram("CORVEX_CTL", QStringLiteral("corvexctl"));
}
