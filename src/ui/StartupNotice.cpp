#include "ui/StartupNotice.h"

#include "model/ListTexts.h"

#include <QMessageBox>
#include <QStringList>

QString StartupNoticeText()
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

void ShowStartupNotice(QWidget *parent)
{
    QMessageBox::warning(parent, utilityTitle(), StartupNoticeText(), QMessageBox::Ok);
}
