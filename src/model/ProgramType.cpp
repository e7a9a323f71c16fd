#include "ProgramType.h"

#include "Limits.h"

QString ProgramTypeName(qint32 type)
{
    return type == TypeLM ? QStringLiteral("LM") : QStringLiteral("EM");
}

qint32 ProgramTypeFromText(const QByteArray &text)
{
    return text == "LM" ? TypeLM : TypeEM;
}
