#include "StoreOption.h"

#include "Cp1252.h"
#include "ListTexts.h"
#include "LocalStore.h"
#include "NameForms.h"

#include <QFileInfo>

namespace corvex {

CommandOption storeOption()
{
    return {QStringLiteral("store"), QStringLiteral("PATH"),
            QStringLiteral("the store file (default: the utility's own CORVEX.ini)")};
}

QString storePath(const CommandContext &context)
{
    return context.hasOption(QStringLiteral("store")) ? context.option(QStringLiteral("store")) : defaultStorePath();
}

bool loadStoreFor(CommandContext &context, InstrumentData &data, bool missingIsBlank)
{
    const QString path = storePath(context);
    if (!missingIsBlank && !QFileInfo::exists(path)) {
        context.fail(QStringLiteral("There is no store \"%1\".").arg(path));
        return false;
    }
    const StoreResult loaded = loadStore(path, data);
    if (!loaded) {
        context.fail(loaded.error);
        return false;
    }
    return true;
}

QString programLabel(int number, const InstrumentData &data)
{
    return programNumberLabel(number) + QStringLiteral(" (\"")
        + decodeCp1252(nameForDisplay(data.programs[number].name)) + QStringLiteral("\")");
}

std::optional<int> prepareSubject(CommandContext &context, NumberArgument number, StoreUse use, Subject &subject)
{
    if (number == NumberArgument::Program
        && !context.numberArgument(0, 1, programCount, QStringLiteral("The program number"), subject.number))
        return exitUsage;
    if (number == NumberArgument::Reagent
        && !context.numberArgument(0, 1, reagentCount, QStringLiteral("The reagent number"), subject.number))
        return exitUsage;
    if (use == StoreUse::MayBeMissing || use == StoreUse::SavesExisting) {
        subject.lock = std::make_unique<StoreLock>(storePath(context));
        if (!subject.lock->tryLock())
            return context.fail(subject.lock->error());
    }
    if (use != StoreUse::None && !loadStoreFor(context, subject.data, use == StoreUse::MayBeMissing))
        return exitFailed;
    return std::nullopt;
}

std::function<int(CommandContext &)> onStore(NumberArgument number, StoreUse use, SubjectCommand run)
{
    return [number, use, run = std::move(run)](CommandContext &context) {
        Subject subject;
        if (const std::optional<int> end = prepareSubject(context, number, use, subject))
            return *end;
        return run(context, subject);
    };
}

} // namespace corvex
