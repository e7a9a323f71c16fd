#pragma once

#include "transfer/MemoryAccess.h"

#include <QString>

// Why a byte failed, as a clause: "the Corvex did not answer".
QString FaultReason(MemoryFault fault, bool writing);

// The end of a refusal or failure that left the instrument untouched.
QString nothingWasSent();

// "address 2005 hex"
QString AddressText(int address);
