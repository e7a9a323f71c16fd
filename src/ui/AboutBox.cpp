#include "AboutBox.h"

#include <QMessageBox>
#include <QVersionNumber>

namespace corvex {

namespace {

const char legalNotice[] = "Copyright (c) Varnel. All rights reserved.";
const char comments[] = "Reads, edits, stores and prints the programs and reagent names of the Varnel Corvex.";

} // namespace

QString productName()
{
    return QStringLiteral("Varnel Corvex Utility");
}

QString aboutText()
{
    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(CORVEX_VERSION));
    const QString lineBreak = QStringLiteral("\r\n");
    return productName() + QStringLiteral(" Version %1.%2.%3").arg(version.majorVersion()).arg(version.minorVersion()).arg(version.microVersion())
        + lineBreak + QLatin1String(legalNotice) + lineBreak + lineBreak + QLatin1String(comments);
}

void showAboutBox(QWidget *parent)
{
    QMessageBox::information(parent, productName(), aboutText(), QMessageBox::Ok);
}

} // namespace corvex
