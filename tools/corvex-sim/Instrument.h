#pragma once

#include "MemoryImage.h"

#include <QByteArray>

#include <optional>

namespace corvex {

// What the instrument answers, before any fault or timing is applied.
// Understands "F1" (identify), "25,AAAA" (read a byte) and "26,AAAA,VV"
// (write a byte); anything else gets no answer.
class Instrument
{
public:
    explicit Instrument(MemoryImage &memory);

    // The reply text without line end, or nothing.
    std::optional<QByteArray> answer(const QByteArray &command);

    // True when the last answered command changed the memory.
    bool lastCommandWrote() const { return m_wrote; }

private:
    // The reply to a memory command: the address and the byte it now holds.
    QByteArray memoryReply(const QByteArray &command, int address) const;

    MemoryImage &m_memory;
    bool m_wrote = false;
};

// Collects the characters of command lines: a line starts at "!" and ends at
// CR; what comes before a "!" is noise, LF is ignored. Only lines for
// device 1 ("!1") are commands for this instrument.
class CommandAssembler
{
public:
    // Feeds one character; returns the command text when a line is complete.
    std::optional<QByteArray> feed(char c);

private:
    QByteArray m_line;
    bool m_inLine = false;
};

} // namespace corvex
