#pragma once

#include "TransferLog.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace corvex {

// One command of the command-line tool. Exit codes: 0 done, 1 failed,
// 2 the command line was wrong.
inline constexpr int exitDone = 0;
inline constexpr int exitFailed = 1;
inline constexpr int exitUsage = 2;

struct CommandOption
{
    QString name;      // "store" for --store
    QString valueName; // "PATH"; empty for a switch without value
    QString help;
    bool hidden = false; // accepted, but not listed in the help
};

struct Command;

// What a command gets to work with: its arguments, its options, the two
// output streams and the transfer log (which reports a failure once, on the
// error stream).
class CommandContext
{
public:
    CommandContext(const Command &command, QTextStream &out, QTextStream &err)
        : m_command(command), out(out), err(err)
    {
        log.setFailureReporter([&err](const QString &message) {
            err << message << '\n';
            err.flush();
        });
    }

    const Command &command() const { return m_command; }

    QStringList arguments;
    QHash<QString, QString> options;
    // A stop signal came while the command talked to the instrument: the
    // command ends with a failure even when the item under way was finished.
    bool stoppedBySignal = false;
    bool hasOption(const QString &name) const { return options.contains(name); }
    QString option(const QString &name) const { return options.value(name); }

    // Prints the message on the error stream and gives the exit code.
    int fail(const QString &message);
    int usageError(const QString &message);

    // Argument `index` as a whole number lo..hi; prints a usage error otherwise.
    bool numberArgument(int index, int lo, int hi, const QString &what, int &number);

private:
    const Command &m_command;

public:
    QTextStream &out;
    QTextStream &err;
    TransferLog log;
};

struct Command
{
    QString name;       // "show-program"
    QString parameters; // "N FILE"
    QString summary;    // one line for the list of commands
    int minArguments = 0;
    int maxArguments = 0;
    QList<CommandOption> options;
    std::function<int(CommandContext &)> run;

    QString usage() const;
};

} // namespace corvex
