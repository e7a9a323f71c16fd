#include "AboutBox.h"

#include <QMessageBox>
#include <QVersionNumber>

namespace {

const char LegalNotice[] = "Copyright (c) Varnel. All rights reserved.";
const char Comments[] = "Reads, edits, stores and prints the programs and reagent names of the Varnel Corvex.";

} // namespace

QString ProductName()
{
    return QStringLiteral("Varnel Corvex Utility");
}

QString AboutText()
{
    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(CORVEX_VERSION));
    const QString lineBreak = QStringLiteral("\r\n");
    return ProductName() + QStringLiteral(" Version %1.%2.%3").arg(version.majorVersion()).arg(version.minorVersion()).arg(version.microVersion())
        + lineBreak + QLatin1String(LegalNotice) + lineBreak + lineBreak + QLatin1String(Comments);
}

void ShowAboutBox(QWidget *parent)
{
    QMessageBox::information(parent, ProductName(), AboutText(), QMessageBox::Ok);
}
