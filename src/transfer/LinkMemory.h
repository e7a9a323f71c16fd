#pragma once

#include "link/CommandChannel.h"
#include "transfer/MemoryAccess.h"

// The instrument's memory through the memory commands on a link.
class LinkMemory : public MemoryAccess
{
public:
    explicit LinkMemory(CommandChannel &channel);

    MemoryByte readByte(int address) override;
    MemoryFault writeByte(int address, quint8 value) override;

private:
    CommandChannel &m_channel;
};
