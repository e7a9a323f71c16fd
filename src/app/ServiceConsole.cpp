#include "app/ServiceConsole.h"

#include "link/CommandChannel.h"
#include "model/Cp1252.h"

#include <QInputDialog>
#include <QMessageBox>

void RunServiceConsole(QWidget *parent, CommandChannel &channel)
{
    QInputDialog input(parent);
    input.setObjectName(QStringLiteral("ServiceCommandInput"));
    input.setWindowTitle(QStringLiteral("Input Service Command"));
    input.setLabelText(QStringLiteral("Command?"));
    input.setInputMode(QInputDialog::TextInput);
    if (input.exec() != QDialog::Accepted || input.textValue().isEmpty())
        return;
    const TransactionResult result = channel.SendCommand(EncodeCp1252(input.textValue()));
    if (result.ending == TransactionResult::Ending::PortClosed) {
        QMessageBox::warning(parent, QStringLiteral("CORVEX"),
                             QStringLiteral("The Corvex is not connected: the command was not sent."));
        return;
    }
    QMessageBox response(QMessageBox::NoIcon, QStringLiteral("CORVEX"),
                         QStringLiteral("Response: ") + DecodeCp1252(result.reply), QMessageBox::Ok, parent);
    response.exec();
}
