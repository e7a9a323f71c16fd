#include "WindowTitle.h"

#include "ListTexts.h"
#include "PortTable.h"

namespace corvex {

QString connectionTitle(int connectedPort)
{
    if (connectedPort == 0)
        return utilityTitle() + QStringLiteral(" - not connected.");
    return utilityTitle() + QStringLiteral(" - connected on ") + portName(connectedPort);
}

} // namespace corvex
