#pragma once

#include "VerifiedMemory.h"

namespace corvex {

// The instrument's memory, verified (VerifiedMemory) while the user's
// setting "VerifyTransfers" was on at the last readSetting(), plain
// otherwise. The window reads the setting as each job starts, so that a job
// runs one way from its first byte to its last.
class UserVerifiedMemory : public MemoryAccess
{
public:
    explicit UserVerifiedMemory(MemoryAccess &memory);

    void readSetting();

    MemoryReply *readByte(int address) override;
    MemoryReply *writeByte(int address, quint8 value) override;

private:
    MemoryAccess &chosen();

    MemoryAccess &m_plain;
    VerifiedMemory m_verified;
    bool m_verifying = false;
};

} // namespace corvex
