#include "WindowTitle.h"

#include "PortTable.h"
#include "ListTexts.h"

namespace corvex {


QString connectionTitle(int connectedPort)
{
    if (connectedPort == 0)
        return utilityTitle() + QStringLiteral(" - not connected.");
    return utilityTitle() + QStringLiteral(" - connected on ") + portName(connectedPort);
}

} // namespace corvex
