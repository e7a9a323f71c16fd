#include "CompareCommands.h"

#include "DeviceSession.h"
#include "InstrumentSide.h"

#include "CompareSide.h"

namespace {

const QString ProgramOption = QStringLiteral("program");
const QString InstrumentWord = QStringLiteral("instrument");

std::optional<CompareSide> loadSide(CommandContext &context, const QString &name)
{
    if (name == InstrumentWord)
        return ReadInstrumentSide(context);
    QString error;
    std::optional<CompareSide> side = LoadCompareSide(name, error);
    if (!side)
        context.err << error << '\n';
    return side;
}

int diff(CommandContext &context)
{
    int program = 0;
    if (context.hasOption(ProgramOption)) {
        context.arguments << context.option(ProgramOption);
        const bool ok = context.numberArgument(2, 1, ProgramCount, QStringLiteral("The program number"), program);
        context.arguments.removeLast();
        if (!ok)
            return ExitUsage;
    }
    if (context.arguments[0] == InstrumentWord && context.arguments[1] == InstrumentWord)
        return context.usageError(QStringLiteral("Compare the instrument with a file."));

    const std::optional<CompareSide> left = loadSide(context, context.arguments[0]);
    if (!left)
        return ExitUsage;
    const std::optional<CompareSide> right = loadSide(context, context.arguments[1]);
    if (!right)
        return ExitUsage;
    const CompareOutcome outcome = CompareSides(*left, *right, program);
    if (!outcome.error.isEmpty())
        return context.usageError(outcome.error);
    for (const DataDifference &difference : outcome.differences)
        context.out << DifferenceLine(difference) << '\n';
    return outcome.differences.isEmpty() ? ExitDone : ExitFailed;
}

} // namespace

QList<Command> CompareCommands()
{
    QList<CommandOption> options{
        {ProgramOption, QStringLiteral("N"),
         QStringLiteral("only program N; the program a program file is compared with")},
    };
    options += DeviceOptions();
    return {
        {QStringLiteral("diff"), QStringLiteral("A B"),
         QStringLiteral("Show what differs between two of: a store or backup file, a program file, \"instrument\" "
                        "(exit 0 equal, 1 different, 2 trouble)"),
         2, 2, options, diff},
    };
}
