#include "CommandLine.h"

#include <QCommandLineParser>
#include <QSet>

namespace corvex {

namespace {

const QString helpOption = QStringLiteral("help");

// A parser that knows -h and --help, and reads "-80C" as one unknown option
// rather than as the options -8, -0 and -C.
void prepare(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), helpOption}));
}

QCommandLineOption parserOption(const CommandOption &option)
{
    return QCommandLineOption(option.name, option.help, option.valueName);
}

bool parse(QCommandLineParser &parser, const QStringList &words)
{
    return parser.parse(QStringList{QStringLiteral("corvexctl")} + words); // the first word names the program
}

// The words before "--", where options can be.
QStringList optionWords(const QStringList &words)
{
    const qsizetype end = words.indexOf(QStringLiteral("--"));
    return end < 0 ? words : words.first(end);
}

// The option as the user wrote it: "--store", or "-store".
QString spelled(const QStringList &words, const QString &name)
{
    const QString longForm = QStringLiteral("--") + name;
    for (const QString &word : optionWords(words)) {
        if (word == longForm || word.startsWith(longForm + QLatin1Char('=')))
            return longForm;
    }
    return QLatin1Char('-') + name;
}

bool givenWithValue(const QStringList &words, const QString &name)
{
    for (const QString &word : optionWords(words)) {
        if (word.startsWith(QStringLiteral("--") + name + QLatin1Char('='))
            || word.startsWith(QLatin1Char('-') + name + QLatin1Char('=')))
            return true;
    }
    return false;
}

QString optionError(const QCommandLineParser &parser, const Command &command, const QStringList &words)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString option = spelled(words, unknown.constFirst());
        QString message = QStringLiteral("Unknown option \"%1\".").arg(option);
        if (!option.startsWith(QLatin1String("--")))
            message += QStringLiteral(" Give \"--\" before an argument that starts with \"-\".");
        return message;
    }
    for (const CommandOption &option : command.options) {
        if (!parser.isSet(option.name))
            continue;
        const QStringList values = parser.values(option.name);
        if (!option.valueName.isEmpty() && (values.isEmpty() || values.contains(QString())))
            return QStringLiteral("The option --%1 needs a %2.").arg(option.name, option.valueName);
        if (option.valueName.isEmpty() && givenWithValue(words, option.name))
            return QStringLiteral("The option --%1 takes no value.").arg(option.name);
    }
    return {};
}

} // namespace

qsizetype commandNameIndex(const QList<Command> &commands, const QStringList &words, bool *helpAsked)
{
    // Every option of every command, so that the value of an option given
    // before the command name is not taken for it. An option name takes a
    // value in every command that has it or in none.
    QCommandLineParser parser;
    prepare(parser);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QSet<QString> added;
    for (const Command &command : commands) {
        for (const CommandOption &option : command.options) {
            if (!added.contains(option.name))
                parser.addOption(parserOption(option));
            added.insert(option.name);
        }
    }
    parse(parser, words); // wrong options are told once the command is known
    *helpAsked = parser.isSet(helpOption);
    // The name and every word after it are positional arguments.
    const QStringList positional = parser.positionalArguments();
    return positional.isEmpty() ? -1 : words.size() - positional.size();
}

CommandWords readCommandWords(const Command &command, const QStringList &words)
{
    QCommandLineParser parser;
    prepare(parser);
    for (const CommandOption &option : command.options)
        parser.addOption(parserOption(option));
    const bool parsed = parse(parser, words);

    CommandWords read;
    read.helpAsked = parser.isSet(helpOption);
    read.error = optionError(parser, command, words);
    if (!parsed && read.error.isEmpty())
        read.error = parser.errorText();
    read.arguments = parser.positionalArguments();
    for (const CommandOption &option : command.options) {
        if (parser.isSet(option.name))
            read.options.insert(option.name, parser.value(option.name)); // the last one given counts
    }
    return read;
}

} // namespace corvex
