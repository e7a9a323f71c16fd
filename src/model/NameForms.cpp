#include "NameForms.h"

#include "Limits.h"

namespace corvex {

QByteArray nameForStorage(const QByteArray &name)
{
    QByteArray stored = name.left(nameLength);
    stored.append(QByteArray(nameLength - stored.size(), ' '));
    return stored;
}

QByteArray nameForDisplay(const QByteArray &name)
{
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] == ' ')
        --end;
    return name.left(end);
}

bool isBlankName(const QByteArray &name)
{
    const qsizetype nul = name.indexOf('\0');
    return nameForDisplay(nul < 0 ? name : name.left(nul)).isEmpty();
}

} // namespace corvex
