#include "StartupNotice.h"

#include "ListTexts.h"

#include <QMessageBox>
#include <QStringList>

namespace corvex {

QString startupNoticeText()
{
    const QStringList lines = {
        QStringLiteral("IMPORTANT INFORMATION!"),
        QString(),
        QStringLiteral("For safe data transfer via the PC software,"),
        QStringLiteral("the Varnel Corvex must be in configuration mode."),
        QString(),
        QStringLiteral("To do this:"),
        QStringLiteral("Switch on the Varnel Corvex and immediately press the PROG button.          "),
        QStringLiteral("Execute data transfer."),
        QStringLiteral("After data transfer has been completed,"),
        QStringLiteral("leave the configuration mode by pressing the STOP button."),
        QString(),
        QStringLiteral("NEVER execute data transfer when the Varnel Corvex is in standby"),
        QStringLiteral("or when a program is running!"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void showStartupNotice(QWidget *parent)
{
    QMessageBox::warning(parent, utilityTitle(), startupNoticeText(), QMessageBox::Ok);
}

} // namespace corvex
