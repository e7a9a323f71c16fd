#include "transfer/LinkMemory.h"

#include "link/MemoryCommands.h"

namespace {
template<typename Result>
MemoryFault faultOf(const Result &result)
{
    if (result.ok)
        return MemoryFault::None;
    if (result.portClosed)
        return MemoryFault::NotConnected;
    return result.noAnswer ? MemoryFault::NoAnswer : MemoryFault::WrongAnswer;
}
} // namespace

LinkMemory::LinkMemory(CommandChannel &channel)
    : m_channel(channel)
{
}

MemoryByte LinkMemory::readByte(int address)
{
    const MemoryReadResult result = ReadMemory(m_channel, address);
    MemoryByte byte;
    byte.fault = faultOf(result);
    if (byte.ok())
        byte.value = static_cast<quint8>(result.value);
    return byte;
}

MemoryFault LinkMemory::writeByte(int address, quint8 value)
{
    return faultOf(WriteMemory(m_channel, address, value));
}
