#pragma once

#include <QByteArray>
#include <QString>

namespace corvex {

// Names and INI files are bytes in the Windows-1252 code page. These two
// functions are the only place where such bytes become text and back. Every
// byte maps to exactly one character (the five unassigned bytes to the C1
// controls of the same value), so bytes survive a round trip unchanged.
QString decodeCp1252(const QByteArray &bytes);

// Characters the code page lacks become '?', as the Windows conversion does.
QByteArray encodeCp1252(const QString &text);

bool isCp1252Representable(QChar character);

} // namespace corvex
