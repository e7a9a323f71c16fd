#include "UserVerifiedMemory.h"

#include "UserSettings.h"


namespace corvex {

UserVerifiedMemory::UserVerifiedMemory(MemoryAccess &memory)
    : m_plain(memory)
    , m_verified(memory)
{
}

void UserVerifiedMemory::readSetting()
{
    m_verifying = readUserSetting(UserSetting::verifyTransfers, false).toBool();
}

MemoryAccess &UserVerifiedMemory::chosen()
{
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
