#pragma once

#include "MemoryAccess.h"

#include <QString>

namespace corvex {

// Why a byte failed, as a clause: "the Corvex did not answer".
QString faultReason(MemoryFault fault, bool writing);

// The end of a refusal or failure that left the instrument untouched.
QString nothingWasSent();

// "address 2005 hex"
QString addressText(int address);

} // namespace corvex
