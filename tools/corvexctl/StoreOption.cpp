#include "StoreOption.h"

#include "model/Cp1252.h"
#include "model/FitName.h"
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
    return QStringLiteral("Program%1 (\"%2\")")
        .arg(number, 2, 10, QLatin1Char('0'))
        .arg(DecodeCp1252(FitName(data.programs[number].Name, true)));
}
