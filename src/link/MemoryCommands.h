#pragma once

#include "MemoryFault.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace corvex {

class MemoryReply;
class SerialLink;

// Reading and writing one byte of instrument memory, each with up to five
// attempts. A read is "25," + hexDigits(address, 4), answered by
// "?125,AAAA,VV"; a write is "26," + hexDigits(address, 4) + "," + hexDigits(value, 2),
// answered by "?126,AAAA,VV" echoing the value written.

inline constexpr int memoryAttempts = 5;

QByteArray readCommandText(qint32 address);
QByteArray writeCommandText(qint32 address, qint32 value);

// Characters 6..9 of the reply (counted from 1) equal hexDigits(address, 4).
bool replyAddressMatches(QByteArrayView reply, qint32 address);

// Characters 11 to the end of the reply read as a hexadecimal number of one
// to eight digits (either case); nullopt when they are anything else.
std::optional<qint32> replyValue(QByteArrayView reply);

// A read attempt succeeds when its reply echoes the address and carries a
// byte value; a reply that echoes the address but whose value field is not a
// byte is retried like any other failed attempt.
bool readReplyPasses(QByteArrayView reply, qint32 address);

// A write attempt succeeds when its reply echoes the address and the value.
// A value outside 0..255 sends its low byte and can never be confirmed.
bool writeReplyPasses(QByteArrayView reply, qint32 address, qint32 value);

// Carries out a memory command on the link for `reply`: sends `command`
// until a reply passes (a read when `written` is empty, else a write of that
// value), at most five times, one attempt after the other from the link's
// signals. The reply's fault says why all attempts failed, if they did: not
// connected when every attempt found the port closed, no answer when none
// was answered, wrong answer otherwise. A repeat after an attempt that went
// on the wire is announced with MemoryReply::retrying.
void runMemoryCommand(SerialLink &link, MemoryReply &reply, const QByteArray &command, qint32 address,
                      std::optional<qint32> written);

} // namespace corvex
