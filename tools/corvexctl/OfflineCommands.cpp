#include "OfflineCommands.h"

#include "StoreOption.h"

#include "model/Cp1252.h"
#include "model/Duration.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "model/LocalStore.h"
#include "model/ProgramFile.h"
#include "model/ProgramType.h"

namespace {

const QString ProgramWord = QStringLiteral("The program number");

int showProgram(CommandContext &context)
{
    int number = 0;
    if (!context.numberArgument(0, 1, ProgramCount, ProgramWord, number))
        return ExitUsage;
    InstrumentData data;
    if (!LoadStoreFor(context, data, false))
        return ExitFailed;
    const ProgramRecord &program = data.programs[number];
    context.out << QStringLiteral("Program%1").arg(number, 2, 10, QLatin1Char('0')) << ": \""
                << DecodeCp1252(FitName(program.Name, true)) << "\"\n"
                << "Type: " << ProgramTypeName(program.Type) << '\n'
                << DurationCaption(program.Duration) << '\n';
    for (int v = 1; v <= program.usedVialCount(); ++v)
        context.out << VialLineText(v, program.vial(v), data.reagents) << '\n';
    return ExitDone;
}

int showReagents(CommandContext &context)
{
    InstrumentData data;
    if (!LoadStoreFor(context, data, false))
        return ExitFailed;
    for (int n = 1; n <= ReagentCount; ++n)
        context.out << ReagentListLine(n, data.reagents[n]) << '\n';
    return ExitDone;
}

int exportProgram(CommandContext &context)
{
    int number = 0;
    if (!context.numberArgument(0, 1, ProgramCount, ProgramWord, number))
        return ExitUsage;
    InstrumentData data;
    if (!LoadStoreFor(context, data, false))
        return ExitFailed;
    const QString file = context.arguments.at(1);
    const StoreResult exported = ExportProgram(number, file, data);
    if (!exported)
        return context.fail(exported.error);
    context.out << ProgramLabel(number, data) << " has been saved to \"" << file << "\".\n";
    return ExitDone;
}

int importProgram(CommandContext &context)
{
    int number = 0;
    if (!context.numberArgument(0, 1, ProgramCount, ProgramWord, number))
        return ExitUsage;
    InstrumentData data;
    if (!LoadStoreFor(context, data, true))
        return ExitFailed;
    const QString file = context.arguments.at(1);
    const QString before = ProgramLabel(number, data);
    const ImportResult imported = ReadProgramFile(number, file, data);
    if (!imported)
        return context.fail(imported.message);
    const QString store = StorePath(context);
    const StoreResult saved = SaveToStore(number, store, data);
    if (!saved)
        return context.fail(saved.error);
    context.out << before << " has been replaced by \"" << DecodeCp1252(FitName(data.programs[number].Name, true))
                << "\" from \"" << file << "\" in \"" << store << "\".\n";
    return ExitDone;
}

} // namespace

QList<Command> OfflineCommands()
{
    return {
        {QStringLiteral("show-program"), QStringLiteral("N"),
         QStringLiteral("Show program N (1 to 99) of the store with its used vials"), 1, 1, {StoreOption()},
         showProgram},
        {QStringLiteral("show-reagents"), QString(), QStringLiteral("Show the 200 reagent names of the store"), 0, 0,
         {StoreOption()}, showReagents},
        {QStringLiteral("export-program"), QStringLiteral("N FILE"),
         QStringLiteral("Save program N of the store to a program file"), 2, 2, {StoreOption()}, exportProgram},
        {QStringLiteral("import-program"), QStringLiteral("N FILE"),
         QStringLiteral("Replace program N of the store by the program in FILE"), 2, 2, {StoreOption()},
         importProgram},
    };
}
