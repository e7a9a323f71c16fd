#include "editor/Questions.h"

#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/NumberText.h"

#include <QMessageBox>

QString NumberedName(const QString &word, int number, const QByteArray &name)
{
    return word + zeroPadded(number, 2) + QStringLiteral(" (\"")
        + DecodeCp1252(nameForDisplay(name)) + QStringLiteral("\")");
}

QString OverwriteQuestion(const QString &word, int number, const QByteArray &name)
{
    return NumberedName(word, number, name) + QStringLiteral(" will be overwritten. Are you sure?");
}

QString DeleteQuestion(const QString &word, int number, const QByteArray &name)
{
    return NumberedName(word, number, name) + QStringLiteral(" will be deleted. Are you sure?");
}

bool AskYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
