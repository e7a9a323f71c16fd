#pragma once

#include "link/MemoryFault.h"

#include <QtGlobal>

struct MemoryByte
{
    quint8 value = 0;
    MemoryFault fault = MemoryFault::None;

    bool ok() const { return fault == MemoryFault::None; }
};

// One byte of the instrument's memory at a time. The transfers see the
// instrument only through this, so they can run against an image in memory.
class MemoryAccess
{
public:
    virtual ~MemoryAccess() = default;

    virtual MemoryByte readByte(int address) = 0;
    // MemoryFault::None when the instrument confirmed the value.
    virtual MemoryFault writeByte(int address, quint8 value) = 0;
};
