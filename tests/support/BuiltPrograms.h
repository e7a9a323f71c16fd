#pragma once

#include <QCoreApplication>
#include <QString>

namespace corvex {

// A program of the build (corvex-sim, corvexctl): the path in the environment
// variable, if set, else the one beside the running test, so that a test
// program also works when started directly.
inline QString builtProgram(const char *environmentVariable, const QString &name)
{
    const QString given = qEnvironmentVariable(environmentVariable);
    return given.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') + name : given;
}

inline QString simulatorProgram()
{
    return builtProgram("CORVEX_SIM", QStringLiteral("corvex-sim"));
}

inline QString ctlProgram()
{
    return builtProgram("CORVEX_CTL", QStringLiteral("corvexctl"));
}

} // namespace corvex
