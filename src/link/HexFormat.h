#pragma once

#include <QByteArray>

// Upper-case hexadecimal of a 32-bit value (a negative one as its two's
// complement), zero-padded and cut to its last 2, 4 or 8 digits:
// Hex2(256) = "00", Hex2(-1) = "FF", Hex4(4096) = "1000", Hex8(-1) = "FFFFFFFF".
QByteArray Hex2(qint32 value);
QByteArray Hex4(qint32 value);
QByteArray Hex8(qint32 value);
