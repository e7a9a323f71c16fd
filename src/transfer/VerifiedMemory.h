#pragma once

#include "MemoryAccess.h"

namespace corvex {

// The instrument's memory with every byte checked, for a line without a
// checksum that may alter a value and still look valid:
// - a read repeats until two consecutive readings agree, at most five
//   readings; otherwise the byte fails (WrongAnswer). Readings further apart
//   do not count: a line that alters every k-th reply alters both alike;
// - a write reads the byte back and writes it again while it differs, at
//   most five writes; a byte that never reads back right fails (WrongAnswer).
// A memory command that fails all its attempts fails the byte as it is.
// Reads take at least two commands and writes two: about twice the time.
class VerifiedMemory : public MemoryAccess
{
public:
    static constexpr int maxReadings = 5;
    static constexpr int maxWrites = 5;

    explicit VerifiedMemory(MemoryAccess &memory);

    MemoryReply *readByte(int address) override;
    MemoryReply *writeByte(int address, quint8 value) override;

private:
    MemoryAccess &m_memory;
};

} // namespace corvex
