#include "ServiceConsole.h"

#include "Cp1252.h"
#include "SerialLink.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace corvex {

CommandReply *sendServiceCommand(QWidget *parent, SerialLink &link)
{
    QInputDialog input(parent);
    input.setObjectName(QStringLiteral("ServiceCommandInput"));
    input.setWindowTitle(QCoreApplication::translate("ServiceConsole", "Input Service Command"));
    input.setLabelText(QCoreApplication::translate("ServiceConsole", "Command?"));
    input.setInputMode(QInputDialog::TextInput);
    if (input.exec() != QDialog::Accepted || input.textValue().isEmpty())
        return nullptr;
    return link.sendCommand(encodeCp1252(input.textValue()));
}

void showServiceResponse(QWidget *parent, const CommandReply &reply)
{
    QMessageBox *box = nullptr;
    if (reply.error() == CommandReply::Error::PortClosed) {
        box = new QMessageBox(QMessageBox::Warning, QStringLiteral("CORVEX"),
                              QCoreApplication::translate("ServiceConsole", "The Corvex is not connected: the command was not sent."),
                              QMessageBox::Ok, parent);
    } else {
        box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("CORVEX"),
                              QCoreApplication::translate("ServiceConsole", "Response: %1").arg(decodeCp1252(reply.reply())),
                              QMessageBox::Ok, parent);
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace corvex
