#pragma once

#include "link/CommandChannel.h"
#include "link/MemoryFault.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Reading and writing one byte of instrument memory, each with up to five
// attempts. A read is "25," + Hex4(address), answered by
// "?125,AAAA,VV"; a write is "26," + Hex4(address) + "," + Hex2(value),
// answered by "?126,AAAA,VV" echoing the value written.

inline constexpr int MemoryAttempts = 5;

QByteArray ReadCommandText(qint32 address);
QByteArray WriteCommandText(qint32 address, qint32 value);

// Characters 6..9 of the reply (counted from 1) equal Hex4(address).
bool ReplyAddressMatches(QByteArrayView reply, qint32 address);

// Characters 11 to the end of the reply read as a hexadecimal number of one
// to eight digits (either case); nullopt when they are anything else.
std::optional<qint32> ReplyValue(QByteArrayView reply);

struct MemoryCommandResult
{
    // None when an attempt passed the checks; otherwise why all of them failed.
    MemoryFault fault = MemoryFault::None;
    int attempts = 0;

    bool ok() const { return fault == MemoryFault::None; }
};

struct MemoryReadResult : MemoryCommandResult
{
    // The value parsed from the last reply that carried one (0 if none did).
    qint32 value = 0;
};

// An attempt succeeds when its reply echoes the address and carries a byte
// value; a reply that echoes the address but whose value field is not a byte
// is retried like any other failed attempt.
MemoryReadResult ReadMemory(CommandChannel &channel, qint32 address);

// An attempt succeeds when its reply echoes the address and the value. A
// value outside 0..255 sends its low byte and can never be confirmed.
MemoryCommandResult WriteMemory(CommandChannel &channel, qint32 address, qint32 value);
