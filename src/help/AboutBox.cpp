#include "AboutBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QVersionNumber>

namespace corvex {

namespace {

const char legalNotice[] = QT_TRANSLATE_NOOP("AboutBox", "Copyright (c) Varnel. All rights reserved.");
const char comments[] =
    QT_TRANSLATE_NOOP("AboutBox", "Reads, edits, stores and prints the programs and reagent names of the Varnel Corvex.");

} // namespace

QString productName()
{
    return QCoreApplication::translate("AboutBox", "Varnel Corvex Utility");
}

QString aboutText()
{
    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(CORVEX_VERSION));
    const QString lineBreak = QStringLiteral("\r\n");
    return QCoreApplication::translate("AboutBox", "%1 Version %2.%3.%4")
               .arg(productName())
               .arg(version.majorVersion())
               .arg(version.minorVersion())
               .arg(version.microVersion())
        + lineBreak + QCoreApplication::translate("AboutBox", legalNotice) + lineBreak + lineBreak
        + QCoreApplication::translate("AboutBox", comments);
}

void showAboutBox(QWidget *parent)
{
    QMessageBox::information(parent, productName(), aboutText(), QMessageBox::Ok);
}

} // namespace corvex
