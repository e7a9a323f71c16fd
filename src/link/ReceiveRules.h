#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace corvex {

// The receive state of the link. replyBuffer collects the reply of the
// current transaction; expectedPrefix is "?1" and the first two characters
// of the command, by which the reply is recognised.
struct ReceiveState
{
    QByteArray replyBuffer;
    QByteArray expectedPrefix;
};

// A valid reply is under 20 characters. A line that chatters without ever
// sending "?" stops growing the buffer here; the first characters, which
// decide whether a reply is recognised, are never dropped.
inline constexpr qsizetype replyBufferLimit = 64;

// Applies one batch of received characters, of any size, to the state:
// - CR completes the reply when the first four characters of replyBuffer
//   (all of it when shorter) equal expectedPrefix; the CR is not stored;
// - "?" starts a new reply, dropping what was collected;
// - LF is dropped;
// - anything else, a CR that completes nothing included, is appended.
// Characters after a completing CR are handled by the same rules.
// Returns the reply as it stood at the first completing CR of the batch.
std::optional<QByteArray> receiveCharacters(ReceiveState &state, QByteArrayView batch);

// "?1" followed by the first two characters of the command (fewer if it is shorter).
QByteArray expectedPrefixFor(QByteArrayView command);

// The line written for a command: "!1" + command + CR.
QByteArray commandLine(QByteArrayView command);

// What a transaction yields when nothing recognisable came: prefix + "00000000".
QByteArray timeOutSubstitute(QByteArrayView expectedPrefix);

} // namespace corvex
