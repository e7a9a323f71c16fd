#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace corvex {

// The language of the window: "--language NAME" (or "--language=NAME") on the
// command line, else the per-user setting "Language", else the system's
// (LANG, LC_MESSAGES, LC_ALL). English is the source and needs no file.
QLocale chosenLanguage(const QStringList &arguments);

// Where the compiled translations are looked for: beside the executable's
// share folder (installed, and the build tree).
QString translationsFolder();

// Installs the utility's translation for the language and, when there is one,
// Qt's own for its standard dialogs and buttons. Returns false when the
// utility has none for that language (the window then stays in English).
bool installTranslations(QCoreApplication &application, const QLocale &language);

} // namespace corvex
