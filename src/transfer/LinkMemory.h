#pragma once

#include "MemoryAccess.h"
#include "SerialLink.h"

namespace corvex {

// The instrument's memory through the memory commands on a link.
class LinkMemory : public MemoryAccess
{
public:
    explicit LinkMemory(SerialLink &link);

    MemoryReply *readByte(int address) override;
    MemoryReply *writeByte(int address, quint8 value) override;

private:
    SerialLink &m_link;
};

} // namespace corvex
