#include "ProgramType.h"

#include "Limits.h"

namespace corvex {

QString programTypeName(qint32 type)
{
    return type == typeLm ? QStringLiteral("LM") : QStringLiteral("EM");
}

qint32 programTypeFromText(const QByteArray &text)
{
    return text == "LM" ? typeLm : typeEm;
}

} // namespace corvex
