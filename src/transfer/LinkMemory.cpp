#include "LinkMemory.h"

namespace corvex {

LinkMemory::LinkMemory(SerialLink &link)
    : m_link(link)
{
}

MemoryReply *LinkMemory::readByte(int address)
{
    return m_link.readMemory(address);
}

MemoryReply *LinkMemory::writeByte(int address, quint8 value)
{
    return m_link.writeMemory(address, value);
}

} // namespace corvex
