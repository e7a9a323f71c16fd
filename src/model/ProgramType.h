#pragma once

#include <QByteArray>
#include <QString>

namespace corvex {

// "LM" for type 0, "EM" for any other value.
QString programTypeName(qint32 type);

// The stored text form back to a code: exactly "LM" is 0, anything else 1.
qint32 programTypeFromText(const QByteArray &text);

} // namespace corvex
