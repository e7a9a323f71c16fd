#include "HexFormat.h"

namespace corvex {

QByteArray hexDigits(qint32 value, int count)
{
    const auto bits = static_cast<quint32>(value);
    return QByteArray::number(bits, 16).toUpper().rightJustified(count, '0').right(count);
}

} // namespace corvex
