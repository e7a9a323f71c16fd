#include "StartupNotice.h"

#include "ListTexts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>

namespace corvex {

QString startupNoticeText()
{
    const QStringList lines = {
        QCoreApplication::translate("StartupNotice", "IMPORTANT INFORMATION!"),
        QString(),
        QCoreApplication::translate("StartupNotice", "For safe data transfer via the PC software,"),
        QCoreApplication::translate("StartupNotice", "the Varnel Corvex must be in configuration mode."),
        QString(),
        QCoreApplication::translate("StartupNotice", "To do this:"),
        QCoreApplication::translate("StartupNotice", "Switch on the Varnel Corvex and immediately press the PROG button.          "),
        QCoreApplication::translate("StartupNotice", "Execute data transfer."),
        QCoreApplication::translate("StartupNotice", "After data transfer has been completed,"),
        QCoreApplication::translate("StartupNotice", "leave the configuration mode by pressing the STOP button."),
        QString(),
        QCoreApplication::translate("StartupNotice", "NEVER execute data transfer when the Varnel Corvex is in standby"),
        QCoreApplication::translate("StartupNotice", "or when a program is running!"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void showStartupNotice(QWidget *parent)
{
    QMessageBox::warning(parent, utilityTitle(), startupNoticeText(), QMessageBox::Ok);
}

} // namespace corvex
