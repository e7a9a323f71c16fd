#include "StoreOption.h"

#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "model/LocalStore.h"

#include <QFileInfo>

CommandOption StoreOption()
{
    return {QStringLiteral("store"), QStringLiteral("PATH"),
            QStringLiteral("the store file (default: the utility's own CORVEX.ini)")};
}

QString StorePath(const CommandContext &context)
{
    return context.hasOption(QStringLiteral("store")) ? context.option(QStringLiteral("store")) : DefaultStorePath();
}

bool LoadStoreFor(CommandContext &context, InstrumentData &data, bool missingIsBlank)
{
    const QString path = StorePath(context);
    if (!missingIsBlank && !QFileInfo::exists(path)) {
        context.fail(QStringLiteral("There is no store \"%1\".").arg(path));
        return false;
    }
    const StoreResult loaded = LoadStore(path, data);
    if (!loaded) {
        context.fail(loaded.error);
        return false;
    }
    return true;
}

QString ProgramLabel(int number, const InstrumentData &data)
{
    return ProgramNumberLabel(number) + QStringLiteral(" (\"")
        + DecodeCp1252(nameForDisplay(data.programs[number].Name)) + QStringLiteral("\")");
}

std::optional<int> PrepareSubject(CommandContext &context, NumberArgument number, StoreUse use, Subject &subject)
{
    if (number == NumberArgument::Program
        && !context.numberArgument(0, 1, ProgramCount, QStringLiteral("The program number"), subject.number))
        return ExitUsage;
    if (number == NumberArgument::Reagent
        && !context.numberArgument(0, 1, ReagentCount, QStringLiteral("The reagent number"), subject.number))
        return ExitUsage;
    if (use == StoreUse::MayBeMissing || use == StoreUse::SavesExisting) {
        subject.lock = std::make_unique<StoreLock>(StorePath(context));
        if (!subject.lock->tryLock())
            return context.fail(subject.lock->error());
    }
    if (use != StoreUse::None && !LoadStoreFor(context, subject.data, use == StoreUse::MayBeMissing))
        return ExitFailed;
    return std::nullopt;
}

std::function<int(CommandContext &)> OnStore(NumberArgument number, StoreUse use, SubjectCommand run)
{
    return [number, use, run = std::move(run)](CommandContext &context) {
        Subject subject;
        if (const std::optional<int> end = PrepareSubject(context, number, use, subject))
            return *end;
        return run(context, subject);
    };
}
