#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>

// The instrument's line protocol, the one source for the link and the
// simulator. A command line is "!1" + command + CR; its reply is "?1" +
// the command's first two characters + fields, ending in CR (and LF).
namespace corvex::wire {

inline constexpr char commandStart[] = "!1"; // "!" and the device number 1
inline constexpr char replyStart[] = "?1";
inline constexpr char commandMark = commandStart[0];
inline constexpr char replyMark = replyStart[0];
inline constexpr char deviceNumber = commandStart[1];
inline constexpr char lineEnd = '\r';
inline constexpr char lineFeed = '\n';
inline constexpr char fieldSeparator = ',';

// Identification: "F1", answered by "?1F1," + the model.
inline constexpr char identifyCommand[] = "F1";
inline constexpr char identification[] = "4178-305";
// Where the model starts in the identification reply.
inline constexpr qsizetype identificationOffset = 5;

// Memory: "25,AAAA" reads a byte, answered by "?125,AAAA,VV"; "26,AAAA,VV"
// writes one, answered by "?126,AAAA,VV" with the value now held.
inline constexpr char readCommand[] = "25";
inline constexpr char writeCommand[] = "26";
inline constexpr int addressDigits = 4;
inline constexpr int valueDigits = 2;
// Where the address starts in a memory command, counted from 0.
inline constexpr qsizetype commandAddressOffset = 3;
// Positions in a memory reply, counted from 0: the address at 5..8, the
// value from 10 on.
inline constexpr qsizetype replyAddressOffset = 5;
inline constexpr qsizetype replyValueOffset = 10;

// What stands for the fields of a reply that never came.
inline constexpr char missingReplyFields[] = "00000000";

// The reply to `command` with the given fields after the comma:
// replyText("F1", "4178-305") is "?1F1,4178-305".
inline QByteArray replyText(QByteArrayView command, QByteArrayView fields)
{
    return QByteArray(replyStart) + command.first(std::min<qsizetype>(2, command.size())).toByteArray()
        + fieldSeparator + fields.toByteArray();
}

} // namespace corvex::wire
