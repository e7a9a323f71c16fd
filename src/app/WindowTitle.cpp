#include "app/WindowTitle.h"

#include "link/PortTable.h"
#include "model/ListTexts.h"

QString connectionTitle(int connectedPort)
{
    if (connectedPort == 0)
        return utilityTitle() + QStringLiteral(" - not connected.");
    return utilityTitle() + QStringLiteral(" - connected on ") + PortName(connectedPort);
}
