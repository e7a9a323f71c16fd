#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace corvex {

// Confirmation texts of the editors. `word` is "Program" or "Vial", `name`
// the stored name of the program or of the vial's reagent; it is shown in
// its display form: Program05 ("Fixation") will be overwritten. Are you sure?
QString overwriteQuestion(const QString &word, int number, const QByteArray &name);
QString deleteQuestion(const QString &word, int number, const QByteArray &name);

// Program05 ("Fixation"): the two-digit number and the quoted display name.
QString numberedName(const QString &word, int number, const QByteArray &name);

// A modal Yes/No question with the question icon; true only on Yes.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);

} // namespace corvex
