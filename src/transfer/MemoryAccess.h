#pragma once

#include "MemoryFault.h"
#include "MemoryReply.h"

#include <QtGlobal>

namespace corvex {

// One byte of the instrument's memory at a time. The transfers see the
// instrument only through this, so they can run against an image in memory.
// Each call returns a reply that finishes later, from the event loop; the
// caller owns it (deleteLater() once finished).
class MemoryAccess
{
public:
    virtual ~MemoryAccess() = default;

    virtual MemoryReply *readByte(int address) = 0;
    // The reply's fault is None when the instrument confirmed the value.
    virtual MemoryReply *writeByte(int address, quint8 value) = 0;
};

} // namespace corvex
