#pragma once

#include "model/ProgramRecord.h"
#include "model/ReagentTable.h"
#include "transfer/MemoryAccess.h"
#include "transfer/TransferObserver.h"

#include <QByteArray>

// The transfers themselves, over the instrument's memory, without the local
// store. Each stops at the first byte that fails all its attempts and
// reports where.
struct StepResult
{
    MemoryFault fault = MemoryFault::None;
    int failedAddress = -1;
    int bytesMoved = 0;

    bool ok() const { return fault == MemoryFault::None; }
};

// Reads program n: name, duration, type, then the used vials.
StepResult ReadProgramBytes(MemoryAccess &memory, int number, TransferObserver &observer, ProgramRecord &program);

// Writes program n: name, duration, type, then all 24 vials.
StepResult SendProgramBytes(MemoryAccess &memory, int number, const ProgramRecord &program, TransferObserver &observer);

// The 13 bytes of reagent r.
StepResult ReadReagentBytes(MemoryAccess &memory, int reagent, QByteArray &name);
StepResult SendReagentBytes(MemoryAccess &memory, int reagent, const QByteArray &name);

struct ReadAllResult
{
    StepResult step;         // of the reagent that failed, when one did
    int reagentsRead = 0;    // reagents 1..reagentsRead were read and stored
    bool stopped = false;
};

// Reads reagents 1..200 into the table, each as soon as it is complete,
// asking the observer after each whether to stop.
ReadAllResult ReadAllReagentBytes(MemoryAccess &memory, ReagentTable &reagents, TransferObserver &observer);
