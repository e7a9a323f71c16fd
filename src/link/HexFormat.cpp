#include "link/HexFormat.h"

namespace {
QByteArray lastHexDigits(qint32 value, int width)
{
    const auto bits = static_cast<quint32>(value);
    return QByteArray::number(bits, 16).toUpper().rightJustified(width, '0').right(width);
}
} // namespace

QByteArray Hex2(qint32 value)
{
    return lastHexDigits(value, 2);
}

QByteArray Hex4(qint32 value)
{
    return lastHexDigits(value, 4);
}

QByteArray Hex8(qint32 value)
{
    return lastHexDigits(value, 8);
}
