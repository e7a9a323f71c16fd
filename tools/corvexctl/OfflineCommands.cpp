#include "OfflineCommands.h"

#include "StoreOption.h"

#include "model/Cp1252.h"
#include "model/Duration.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "model/LocalStore.h"
#include "model/ProgramFile.h"
#include "model/ProgramFileLog.h"
#include "model/TransferLog.h"
#include "model/ProgramType.h"

#include <QFileInfo>

namespace {

const QString ForceOption = QStringLiteral("force");

int showProgram(CommandContext &context, Subject &subject)
{
    const ProgramRecord &program = subject.data.programs[subject.number];
    context.out << ProgramNumberLabel(subject.number) << ": \"" << DecodeCp1252(nameForDisplay(program.Name)) << "\"\n"
                << "Type: " << ProgramTypeName(program.Type) << '\n'
                << DurationCaption(program.Duration) << '\n';
    for (int v = 1; v <= program.usedVialCount(); ++v)
        context.out << VialLineText(v, program.vial(v), subject.data.reagents) << '\n';
    return ExitDone;
}

int showReagents(CommandContext &context, Subject &subject)
{
    for (int n = 1; n <= ReagentCount; ++n)
        context.out << ReagentListLine(n, subject.data.reagents[n]) << '\n';
    return ExitDone;
}

int exportProgram(CommandContext &context, Subject &subject)
{
    const QString file = context.arguments.at(1);
    const QFileInfo target(file);
    const QString store = StorePath(context);
    if ((target.exists() || target.isSymLink()) && !IsSameFile(file, store) && !context.hasOption(ForceOption)) {
        return context.fail(
            QStringLiteral("\"%1\" already exists. Give --force to replace it with the program file.").arg(file));
    }
    const StoreResult exported = ExportProgram(subject.number, file, subject.data, store);
    LogProgramFile(LogOperation::Export, subject.number, file, subject.data, exported.error);
    if (!exported)
        return context.fail(exported.error);
    context.out << ProgramLabel(subject.number, subject.data) << " has been saved to \"" << file << "\".\n";
    return ExitDone;
}

int importProgram(CommandContext &context, Subject &subject)
{
    const QString file = context.arguments.at(1);
    const QString before = ProgramLabel(subject.number, subject.data);
    const ImportResult imported = ReadProgramFile(subject.number, file, subject.data);
    if (!imported) {
        LogProgramFile(LogOperation::Import, subject.number, file, subject.data, imported.message);
        return context.fail(imported.message);
    }
    const QString store = StorePath(context);
    const StoreResult saved = SaveToStore(subject.number, store, subject.data);
    LogProgramFile(LogOperation::Import, subject.number, file, subject.data, saved.error);
    if (!saved)
        return context.fail(saved.error);
    context.out << before << " has been replaced by \""
                << DecodeCp1252(nameForDisplay(subject.data.programs[subject.number].Name)) << "\" from \"" << file
                << "\" in \"" << store << "\".\n";
    return ExitDone;
}

Command exportCommand()
{
    return {QStringLiteral("export-program"), QStringLiteral("N FILE"),
            QStringLiteral("Save program N of the store to a program file"), 2, 2,
            {StoreOption(), {ForceOption, QString(), QStringLiteral("replace FILE if it exists")}},
            OnStore(NumberArgument::Program, StoreUse::Existing, exportProgram)};
}

Command storeCommand(const QString &name, const QString &parameters, const QString &summary, int arguments,
                     std::function<int(CommandContext &)> run)
{
    return {name, parameters, summary, arguments, arguments, {StoreOption()}, std::move(run)};
}

} // namespace

QList<Command> OfflineCommands()
{
    return {
        storeCommand(QStringLiteral("show-program"), QStringLiteral("N"),
                     QStringLiteral("Show program N (1 to 99) of the store with its used vials"), 1,
                     OnStore(NumberArgument::Program, StoreUse::Existing, showProgram)),
        storeCommand(QStringLiteral("show-reagents"), QString(), QStringLiteral("Show the 200 reagent names of the store"),
                     0, OnStore(NumberArgument::None, StoreUse::Existing, showReagents)),
        exportCommand(),
        storeCommand(QStringLiteral("import-program"), QStringLiteral("N FILE"),
                     QStringLiteral("Replace program N of the store by the program in FILE"), 2,
                     OnStore(NumberArgument::Program, StoreUse::MayBeMissing, importProgram)),
    };
}
