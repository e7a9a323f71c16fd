#pragma once

#include <QByteArray>

namespace corvex {

// The last `count` upper-case hexadecimal digits of a 32-bit value (a
// negative one as its two's complement), zero-padded: hexDigits(256, 2) =
// "00", hexDigits(-1, 2) = "FF", hexDigits(4096, 4) = "1000",
// hexDigits(-1, 8) = "FFFFFFFF".
QByteArray hexDigits(qint32 value, int count);

} // namespace corvex
