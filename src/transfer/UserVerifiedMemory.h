#pragma once

#include "transfer/VerifiedMemory.h"

// The instrument's memory, verified (VerifiedMemory) while the user's
// setting "VerifyTransfers" is on, plain otherwise; the setting is looked
// at for every byte, so a change in the settings dialog counts at once.
class UserVerifiedMemory : public MemoryAccess
{
public:
    explicit UserVerifiedMemory(MemoryAccess &memory);

    MemoryReply *readByte(int address) override;
    MemoryReply *writeByte(int address, quint8 value) override;

private:
    MemoryAccess &chosen();

    MemoryAccess &m_plain;
    VerifiedMemory m_verified;
};
