#include "Instrument.h"

#include "HexFormat.h"

#include <QList>

#include <cctype>

namespace corvex {

namespace {

constexpr qsizetype maxLineLength = 256;

std::optional<int> hexField(const QByteArray &text, qsizetype digits)
{
    if (text.size() != digits)
        return std::nullopt;
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return static_cast<int>(text.toUInt(nullptr, 16));
}

} // namespace

Instrument::Instrument(MemoryImage &memory)
    : m_memory(memory)
{
}

std::optional<QByteArray> Instrument::answer(const QByteArray &command)
{
    m_wrote = false;
    if (command == "F1")
        return QByteArrayLiteral("?1F1,4178-305");

    const QList<QByteArray> fields = command.split(',');
    if (fields.size() == 2 && fields[0] == "25") {
        const auto address = hexField(fields[1], 4);
        if (!address)
            return std::nullopt;
        return QByteArrayLiteral("?125,") + hexDigits(*address, 4) + ',' + hexDigits(m_memory.read(*address), 2);
    }
    if (fields.size() == 3 && fields[0] == "26") {
        const auto address = hexField(fields[1], 4);
        const auto value = hexField(fields[2], 2);
        if (!address || !value)
            return std::nullopt;
        m_memory.write(*address, static_cast<quint8>(*value));
        m_wrote = true;
        return QByteArrayLiteral("?126,") + hexDigits(*address, 4) + ',' + hexDigits(m_memory.read(*address), 2);
    }
    return std::nullopt;
}

std::optional<QByteArray> CommandAssembler::feed(char c)
{
    if (c == '!') {
        m_line.clear();
        m_inLine = true;
        return std::nullopt;
    }
    if (!m_inLine || c == '\n')
        return std::nullopt;
    if (c == '\r') {
        m_inLine = false;
        if (!m_line.startsWith('1'))
            return std::nullopt;
        return m_line.mid(1);
    }
    if (m_line.size() < maxLineLength)
        m_line.append(c);
    return std::nullopt;
}

} // namespace corvex
