#include "UserVerifiedMemory.h"

#include "UserSettings.h"

#include <chrono>

namespace corvex {

UserVerifiedMemory::UserVerifiedMemory(MemoryAccess &memory)
    : m_plain(memory)
    , m_verified(memory)
{
}

MemoryAccess &UserVerifiedMemory::chosen()
{
    constexpr std::chrono::milliseconds rest{1000};
    if (!m_sinceLastByte.isValid() || std::chrono::milliseconds(m_sinceLastByte.elapsed()) > rest)
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
