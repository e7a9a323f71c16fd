#pragma once

#include "transfer/MemoryAccess.h"

#include <QString>

// Why a byte failed, as a clause: "the Corvex did not answer".
QString FaultReason(MemoryFault fault, bool writing);

// "address 2005 hex"
QString AddressText(int address);
