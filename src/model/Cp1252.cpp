#include "Cp1252.h"

#include <array>

namespace corvex {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(char16_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return unicode;
    for (size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == unicode)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

QString decodeCp1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(QChar(value >= 0x80 && value <= 0x9F ? highControls[value - 0x80] : char16_t(value)));
    }
    return text;
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text.at(i);
        // A character outside the basic plane is one '?', not two.
        if (character.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const int value = byteFor(character.unicode());
        bytes.append(value < 0 ? '?' : static_cast<char>(value));
    }
    return bytes;
}

bool isCp1252Representable(QChar character)
{
    return byteFor(character.unicode()) >= 0;
}

} // namespace corvex
