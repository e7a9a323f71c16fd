#include "WindowTitle.h"

#include "ListTexts.h"
#include "PortTable.h"

#include <QCoreApplication>

namespace corvex {

QString connectionTitle(int connectedPort)
{
    if (connectedPort == 0)
        return QCoreApplication::translate("WindowTitle", "%1 - not connected.").arg(utilityTitle());
    return QCoreApplication::translate("WindowTitle", "%1 - connected on %2")
        .arg(utilityTitle(), portName(connectedPort));
}

} // namespace corvex
