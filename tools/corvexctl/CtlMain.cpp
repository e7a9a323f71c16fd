#include "CtlMain.h"

namespace {

const QString ToolName = QStringLiteral("corvexctl");

bool isHelp(const QString &argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

void printOverview(const QList<Command> &commands, QTextStream &stream)
{
    stream << "Usage: " << ToolName << " COMMAND [ARGUMENTS] [OPTIONS]\n\n"
           << "Shows and changes the programs and reagent names of a Corvex tissue processor\n"
           << "and of the utility's local store.\n\nCommands:\n";
    qsizetype width = 0;
    for (const Command &command : commands)
        width = std::max(width, (command.name + QLatin1Char(' ') + command.parameters).size());
    for (const Command &command : commands) {
        stream << "  " << (command.name + QLatin1Char(' ') + command.parameters).leftJustified(width + 2)
               << command.summary << '\n';
    }
    stream << "\nRun \"" << ToolName << " COMMAND --help\" for the options of a command.\n";
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

const CommandOption *findOption(const Command &command, const QString &name)
{
    for (const CommandOption &option : command.options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

// Splits the words after the command name into arguments and options.
// Returns false after printing a usage error.
bool parseWords(const QStringList &words, CommandContext &context, int &exitCode)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            context.arguments << word;
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
        const CommandOption *option = findOption(context.command(), name);
        if (!option) {
            exitCode = context.usageError(QStringLiteral("Unknown option \"%1\".").arg(word));
            return false;
        }
        QString value;
        if (!option->valueName.isEmpty()) {
            if (equals >= 0) {
                value = word.mid(equals + 1);
            } else if (i + 1 < words.size()) {
                value = words[++i];
            } else {
                exitCode = context.usageError(QStringLiteral("The option --%1 needs a %2.").arg(name, option->valueName));
                return false;
            }
            if (value.isEmpty()) {
                exitCode = context.usageError(QStringLiteral("The option --%1 needs a %2.").arg(name, option->valueName));
                return false;
            }
        } else if (equals >= 0) {
            exitCode = context.usageError(QStringLiteral("The option --%1 takes no value.").arg(name));
            return false;
        }
        context.options.insert(name, value);
    }
    return true;
}

} // namespace

int CommandContext::fail(const QString &message)
{
    err << message << '\n';
    err.flush();
    return ExitFailed;
}

int CommandContext::usageError(const QString &message)
{
    err << message << '\n' << m_command.usage() << '\n';
    err.flush();
    return ExitUsage;
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
    QString text = QStringLiteral("Usage: ") + ToolName + QLatin1Char(' ') + name;
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

// True when some command has an option of this name that takes a value.
bool optionTakesValue(const QList<Command> &commands, const QString &name)
{
    for (const Command &command : commands) {
        const CommandOption *option = findOption(command, name);
        if (option && !option->valueName.isEmpty())
            return true;
    }
    return false;
}

// "corvexctl --port P read-program 1" reads as "corvexctl read-program 1 --port P":
// options given before the command move behind it.
QStringList commandFirst(const QList<Command> &commands, QStringList words)
{
    QStringList leading;
    while (!words.isEmpty() && words.first().startsWith(QLatin1String("--")) && words.first() != QLatin1String("--")
           && !isHelp(words.first())) {
        const QString option = words.takeFirst();
        leading << option;
        if (!option.contains(QLatin1Char('=')) && optionTakesValue(commands, option.mid(2)) && !words.isEmpty())
            leading << words.takeFirst();
    }
    if (words.isEmpty())
        return leading;
    return QStringList{words.first()} + words.mid(1) + leading;
}

int runCommandLine(const QList<Command> &commands, const QStringList &givenArguments, QTextStream &out, QTextStream &err)
{
    const QStringList arguments = commandFirst(commands, givenArguments);
    if (arguments.isEmpty()) {
        printOverview(commands, err);
        return ExitUsage;
    }
    if (isHelp(arguments.first()) || arguments.first() == QLatin1String("help")) {
        printOverview(commands, out);
        return ExitDone;
    }
    const Command *command = findCommand(commands, arguments.first());
    if (!command) {
        err << "Unknown command \"" << arguments.first() << "\". Run \"" << ToolName
            << " --help\" for the list of commands.\n";
        return ExitUsage;
    }
    const QStringList words = arguments.mid(1);
    if (std::any_of(words.begin(), words.end(), isHelp)) {
        printCommandHelp(*command, out);
        return ExitDone;
    }

    CommandContext context(*command, out, err);
    int exitCode = ExitDone;
    if (!parseWords(words, context, exitCode))
        return exitCode;
    if (context.arguments.size() < command->minArguments)
        return context.usageError(QStringLiteral("Too few arguments."));
    if (context.arguments.size() > command->maxArguments)
        return context.usageError(QStringLiteral("Too many arguments: \"%1\".").arg(context.arguments.last()));
    return command->run(context);
}

} // namespace

int RunCorvexCtl(const QList<Command> &commands, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const int exitCode = runCommandLine(commands, arguments, out, err);
    out.flush();
    err.flush();
    return exitCode;
}
