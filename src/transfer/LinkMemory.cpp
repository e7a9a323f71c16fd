#include "transfer/LinkMemory.h"

#include "link/MemoryCommands.h"

LinkMemory::LinkMemory(CommandChannel &channel)
    : m_channel(channel)
{
}

MemoryByte LinkMemory::readByte(int address)
{
    const MemoryReadResult result = ReadMemory(m_channel, address);
    return {result.ok() ? static_cast<quint8>(result.value) : quint8(0), result.fault};
}

MemoryFault LinkMemory::writeByte(int address, quint8 value)
{
    return WriteMemory(m_channel, address, value).fault;
}
