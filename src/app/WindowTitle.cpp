#include "WindowTitle.h"

#include "PortTable.h"
#include "ListTexts.h"

QString connectionTitle(int connectedPort)
{
    if (connectedPort == 0)
        return utilityTitle() + QStringLiteral(" - not connected.");
    return utilityTitle() + QStringLiteral(" - connected on ") + PortName(connectedPort);
}
