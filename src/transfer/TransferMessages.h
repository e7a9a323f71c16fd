#pragma once

#include "transfer/MemoryAccess.h"

#include <QString>

// Names as the utility shows them: "Program07", "Reagent 007".
QString ProgramNumberLabel(int program);
QString ReagentNumberLabel(int reagent);

// Why a byte failed, as a clause: "the Corvex did not answer".
QString FaultReason(MemoryFault fault, bool writing);

// "address 2005 hex"
QString AddressText(int address);
