#include "CompareCommands.h"

#include "DeviceSession.h"
#include "InstrumentSide.h"

#include "CompareSide.h"

namespace corvex {

namespace {

const QString programOption = QStringLiteral("program");
const QString instrumentWord = QStringLiteral("instrument");

std::optional<CompareSide> loadSide(CommandContext &context, const QString &name)
{
    if (name == instrumentWord)
        return readInstrumentSide(context);
    QString error;
    std::optional<CompareSide> side = loadCompareSide(name, error);
    if (!side)
        context.err << error << '\n';
    return side;
}

int diff(CommandContext &context)
{
    int program = 0;
    if (context.hasOption(programOption)) {
        context.arguments << context.option(programOption);
        const bool ok = context.numberArgument(2, 1, programCount, QStringLiteral("The program number"), program);
        context.arguments.removeLast();
        if (!ok)
            return exitUsage;
    }
    if (context.arguments[0] == instrumentWord && context.arguments[1] == instrumentWord)
        return context.usageError(QStringLiteral("Compare the instrument with a file."));

    const std::optional<CompareSide> left = loadSide(context, context.arguments[0]);
    if (!left)
        return exitUsage;
    const std::optional<CompareSide> right = loadSide(context, context.arguments[1]);
    if (!right)
        return exitUsage;
    const CompareOutcome outcome = compareSides(*left, *right, program);
    if (!outcome.error.isEmpty())
        return context.usageError(outcome.error);
    for (const DataDifference &difference : outcome.differences)
        context.out << differenceLine(difference) << '\n';
    return outcome.differences.isEmpty() ? exitDone : exitFailed;
}

} // namespace

QList<Command> compareCommands()
{
    QList<CommandOption> options{
        {programOption, QStringLiteral("N"),
         QStringLiteral("only program N; the program a program file is compared with")},
    };
    options += deviceOptions();
    return {
        {QStringLiteral("diff"), QStringLiteral("A B"),
         QStringLiteral("Show what differs between two of: a store or backup file, a program file, \"instrument\" "
                        "(exit 0 equal, 1 different, 2 trouble)"),
         2, 2, options, diff},
    };
}

} // namespace corvex
