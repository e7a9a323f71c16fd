#include "Questions.h"

#include "Cp1252.h"
#include "NameForms.h"
#include "NumberText.h"

#include <QMessageBox>

namespace corvex {

QString numberedName(const QString &word, int number, const QByteArray &name)
{
    return word + zeroPadded(number, 2) + QStringLiteral(" (\"")
        + decodeCp1252(nameForDisplay(name)) + QStringLiteral("\")");
}

QString overwriteQuestion(const QString &word, int number, const QByteArray &name)
{
    return numberedName(word, number, name) + QStringLiteral(" will be overwritten. Are you sure?");
}

QString deleteQuestion(const QString &word, int number, const QByteArray &name)
{
    return numberedName(word, number, name) + QStringLiteral(" will be deleted. Are you sure?");
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace corvex
