#pragma once

#include "VerifiedMemory.h"

#include <QElapsedTimer>

namespace corvex {

// The instrument's memory, verified (VerifiedMemory) while the user's
// setting "VerifyTransfers" is on, plain otherwise. The setting is looked
// at again whenever the line has rested for a second, that is at the start
// of every transfer (the settings cannot change while one runs).
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
    QElapsedTimer m_sinceLastByte;
    bool m_verifying = false;
};

} // namespace corvex
