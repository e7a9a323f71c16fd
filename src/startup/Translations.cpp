#include "Translations.h"

#include "UserSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace corvex {

namespace {

QString languageOption(const QStringList &arguments)
{
    const QString option = QStringLiteral("--language");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == option && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (arguments.at(i).startsWith(option + QLatin1Char('=')))
            return arguments.at(i).mid(option.size() + 1);
    }
    return {};
}

} // namespace

QLocale chosenLanguage(const QStringList &arguments)
{
    QString name = languageOption(arguments);
    if (name.isEmpty())
        name = readUserSetting(UserSetting::language).toString();
    return name.isEmpty() ? QLocale::system() : QLocale(name);
}

QString translationsFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/corvex/translations");
}

bool installTranslations(QCoreApplication &application, const QLocale &language)
{
    auto *own = new QTranslator(&application);
    if (!own->load(language, QStringLiteral("corvex"), QStringLiteral("_"), translationsFolder())) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(&application);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace corvex
