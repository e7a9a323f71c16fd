#include "transfer/UserVerifiedMemory.h"

#include "model/UserSettings.h"

UserVerifiedMemory::UserVerifiedMemory(MemoryAccess &memory)
    : m_plain(memory)
    , m_verified(memory)
{
}

MemoryAccess &UserVerifiedMemory::chosen()
{
    if (ReadUserSetting(UserSetting::VerifyTransfers, false).toBool())
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
