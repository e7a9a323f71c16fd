#include "model/FitName.h"

#include "model/Limits.h"

QByteArray FitName(const QByteArray &name, bool displayForm)
{
    if (!displayForm) {
        QByteArray stored = name.left(NameLength);
        stored.append(QByteArray(NameLength - stored.size(), ' '));
        return stored;
    }
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] == ' ')
        --end;
    return name.left(end);
}
