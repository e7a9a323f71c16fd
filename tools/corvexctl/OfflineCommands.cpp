#include "OfflineCommands.h"

#include "StoreOption.h"

#include "Cp1252.h"
#include "Duration.h"
#include "ListTexts.h"
#include "LocalStore.h"
#include "NameForms.h"
#include "ProgramFile.h"
#include "ProgramFileLog.h"
#include "ProgramType.h"
#include "StoreLock.h"
#include "TransferLog.h"

#include <QFileInfo>

namespace corvex {

namespace {

const QString forceOption = QStringLiteral("force");

int showProgram(CommandContext &context, Subject &subject)
{
    const ProgramRecord &program = subject.data.programs[subject.number];
    context.out << programNumberLabel(subject.number) << ": \"" << decodeCp1252(nameForDisplay(program.name)) << "\"\n"
                << "Type: " << programTypeName(program.type) << '\n'
                << durationCaption(program.duration) << '\n';
    for (int v = 1; v <= program.usedVialCount(); ++v)
        context.out << vialLineText(v, program.vial(v), subject.data.reagents) << '\n';
    return exitDone;
}

int showReagents(CommandContext &context, Subject &subject)
{
    for (int n = 1; n <= reagentCount; ++n)
        context.out << reagentListLine(n, subject.data.reagents[n]) << '\n';
    return exitDone;
}

int exportProgram(CommandContext &context, Subject &subject)
{
    const QString file = context.arguments.at(1);
    const QFileInfo target(file);
    const QString store = storePath(context);
    if ((target.exists() || target.isSymLink()) && !isSameFile(file, store) && !context.hasOption(forceOption)) {
        return context.fail(
            QStringLiteral("\"%1\" already exists. Give --force to replace it with the program file.").arg(file));
    }
    // A file that another utility holds as its store is not written over.
    StoreLock targetLock(file);
    if (!targetLock.tryLock())
        return context.fail(targetLock.error());
    const StoreResult exported = exportProgram(subject.number, file, subject.data, store);
    logProgramFile(context.log, LogOperation::ProgramExport, subject.number, file, subject.data, exported.error);
    if (!exported)
        return context.fail(exported.error);
    context.out << programLabel(subject.number, subject.data) << " has been saved to \"" << file << "\".\n";
    return exitDone;
}

int importProgram(CommandContext &context, Subject &subject)
{
    const QString file = context.arguments.at(1);
    const QString before = programLabel(subject.number, subject.data);
    const ImportResult imported = readProgramFile(subject.number, file, subject.data);
    if (!imported) {
        logProgramFile(context.log, LogOperation::ProgramImport, subject.number, file, subject.data, imported.message);
        return context.fail(imported.message);
    }
    const QString store = storePath(context);
    const StoreResult saved = saveToStore(subject.number, store, subject.data);
    logProgramFile(context.log, LogOperation::ProgramImport, subject.number, file, subject.data, saved.error);
    if (!saved)
        return context.fail(saved.error);
    context.out << before << " has been replaced by \""
                << decodeCp1252(nameForDisplay(subject.data.programs[subject.number].name)) << "\" from \"" << file
                << "\" in \"" << store << "\".\n";
    return exitDone;
}

Command exportCommand()
{
    return {QStringLiteral("export-program"), QStringLiteral("N FILE"),
            QStringLiteral("Save program N of the store to a program file"), 2, 2,
            {storeOption(), {forceOption, QString(), QStringLiteral("replace FILE if it exists")}},
            onStore(NumberArgument::Program, StoreUse::Existing, exportProgram)};
}

Command storeCommand(const QString &name, const QString &parameters, const QString &summary, int arguments,
                     std::function<int(CommandContext &)> run)
{
    return {name, parameters, summary, arguments, arguments, {storeOption()}, std::move(run)};
}

} // namespace

QList<Command> offlineCommands()
{
    return {
        storeCommand(QStringLiteral("show-program"), QStringLiteral("N"),
                     QStringLiteral("Show program N (1 to 99) of the store with its used vials"), 1,
                     onStore(NumberArgument::Program, StoreUse::Existing, showProgram)),
        storeCommand(QStringLiteral("show-reagents"), QString(), QStringLiteral("Show the 200 reagent names of the store"),
                     0, onStore(NumberArgument::None, StoreUse::Existing, showReagents)),
        exportCommand(),
        storeCommand(QStringLiteral("import-program"), QStringLiteral("N FILE"),
                     QStringLiteral("Replace program N of the store by the program in FILE"), 2,
                     onStore(NumberArgument::Program, StoreUse::MayBeMissing, importProgram)),
    };
}

} // namespace corvex
