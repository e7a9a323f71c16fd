#include "UserVerifiedMemory.h"

#include "UserSettings.h"

namespace corvex {

UserVerifiedMemory::UserVerifiedMemory(MemoryAccess &memory)
    : m_plain(memory)
    , m_verified(memory)
{
}

MemoryAccess &UserVerifiedMemory::chosen()
{
    constexpr qint64 restMs = 1000;
    if (!m_sinceLastByte.isValid() || m_sinceLastByte.elapsed() > restMs)
        m_verifying = readUserSetting(UserSetting::verifyTransfers, false).toBool();
    m_sinceLastByte.start();
    if (m_verifying)
        return m_verified;
    return m_plain;
}

MemoryReply *UserVerifiedMemory::readByte(int address)
{
    return chosen().readByte(address);
}

MemoryReply *UserVerifiedMemory::writeByte(int address, quint8 value)
{
    return chosen().writeByte(address, value);
}

} // namespace corvex
