#pragma once

#include <QString>

namespace corvex {

// The main window's title for a connection state: "Varnel Corvex - connected
// on COM3", or "Varnel Corvex - not connected." for port 0.
QString connectionTitle(int connectedPort);

} // namespace corvex
