#include "Questions.h"

#include "Cp1252.h"
#include "NameForms.h"
#include "NumberText.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace corvex {

QString numberedName(const QString &word, int number, const QByteArray &name)
{
    return word + zeroPadded(number, 2) + QStringLiteral(" (\"")
        + decodeCp1252(nameForDisplay(name)) + QStringLiteral("\")");
}

QString overwriteQuestion(const QString &word, int number, const QByteArray &name)
{
    return QCoreApplication::translate("Questions", "%1 will be overwritten. Are you sure?")
        .arg(numberedName(word, number, name));
}

QString deleteQuestion(const QString &word, int number, const QByteArray &name)
{
    return QCoreApplication::translate("Questions", "%1 will be deleted. Are you sure?")
        .arg(numberedName(word, number, name));
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace corvex
