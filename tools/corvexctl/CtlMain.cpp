#include "CtlMain.h"

#include "CommandLine.h"

namespace corvex {

namespace {

const QString toolName = QStringLiteral("corvexctl");

void printOverview(const QList<Command> &commands, QTextStream &stream)
{
    stream << "Usage: " << toolName << " COMMAND [ARGUMENTS] [OPTIONS]\n\n"
           << "Shows and changes the programs and reagent names of a Corvex tissue processor\n"
           << "and of the utility's local store.\n\nCommands:\n";
    qsizetype width = 0;
    for (const Command &command : commands)
        width = std::max(width, (command.name + QLatin1Char(' ') + command.parameters).size());
    for (const Command &command : commands) {
        stream << "  " << (command.name + QLatin1Char(' ') + command.parameters).leftJustified(width + 2)
               << command.summary << '\n';
    }
    stream << "\nRun \"" << toolName << " COMMAND --help\" for the options of a command.\n";
}

void printCommandHelp(const Command &command, QTextStream &stream)
{
    stream << command.usage() << "\n\n" << command.summary << ".\n";
    if (command.options.isEmpty())
        return;
    stream << "\nOptions:\n";
    for (const CommandOption &option : command.options) {
        if (option.hidden)
            continue;
        const QString spelled = QStringLiteral("--") + option.name
            + (option.valueName.isEmpty() ? QString() : QLatin1Char(' ') + option.valueName);
        stream << "  " << spelled.leftJustified(16) << option.help << '\n';
    }
}

const Command *findCommand(const QList<Command> &commands, const QString &name)
{
    for (const Command &command : commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

} // namespace

int CommandContext::fail(const QString &message)
{
    err << message << '\n';
    err.flush();
    return exitFailed;
}

int CommandContext::usageError(const QString &message)
{
    err << message << '\n' << m_command.usage() << '\n';
    err.flush();
    return exitUsage;
}

bool CommandContext::numberArgument(int index, int lo, int hi, const QString &what, int &number)
{
    const QString text = arguments.value(index);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lo || value > hi || text.startsWith(QLatin1Char('+'))) {
        usageError(QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\".").arg(what).arg(lo).arg(hi).arg(text));
        return false;
    }
    number = value;
    return true;
}

QString Command::usage() const
{
    QString text = QStringLiteral("Usage: ") + toolName + QLatin1Char(' ') + name;
    if (!parameters.isEmpty())
        text += QLatin1Char(' ') + parameters;
    for (const CommandOption &option : options) {
        if (option.hidden)
            continue;
        text += QStringLiteral(" [--") + option.name
            + (option.valueName.isEmpty() ? QString() : QLatin1Char(' ') + option.valueName) + QLatin1Char(']');
    }
    return text;
}

namespace {

int runCommandLine(const QList<Command> &commands, const QStringList &words, QTextStream &out, QTextStream &err)
{
    bool helpAsked = false;
    const qsizetype nameIndex = commandNameIndex(commands, words, &helpAsked);
    const QString name = words.value(nameIndex);
    if (nameIndex < 0 || name == QLatin1String("help")) {
        const bool asked = helpAsked || nameIndex >= 0;
        printOverview(commands, asked ? out : err);
        return asked ? exitDone : exitUsage;
    }
    const Command *command = findCommand(commands, name);
    if (!command) {
        err << "Unknown command \"" << name << "\". Run \"" << toolName << " --help\" for the list of commands.\n";
        return exitUsage;
    }
    QStringList commandWords = words;
    commandWords.removeAt(nameIndex);
    const CommandWords read = readCommandWords(*command, commandWords);
    if (read.helpAsked) {
        printCommandHelp(*command, out);
        return exitDone;
    }

    CommandContext context(*command, out, err);
    if (!read.error.isEmpty())
        return context.usageError(read.error);
    context.arguments = read.arguments;
    context.options = read.options;
    if (context.arguments.size() < command->minArguments)
        return context.usageError(QStringLiteral("Too few arguments."));
    if (context.arguments.size() > command->maxArguments)
        return context.usageError(QStringLiteral("Too many arguments: \"%1\".").arg(context.arguments.last()));
    const int code = command->run(context);
    return code == exitDone && context.stoppedBySignal ? exitFailed : code;
}

} // namespace

int runCorvexCtl(const QList<Command> &commands, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const int exitCode = runCommandLine(commands, arguments, out, err);
    out.flush();
    err.flush();
    return exitCode;
}

} // namespace corvex
