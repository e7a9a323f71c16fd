#include "Instrument.h"

#include "HexFormat.h"
#include "WireProtocol.h"

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

QByteArray Instrument::memoryReply(const QByteArray &command, int address) const
{
    const QByteArray fields = hexDigits(address, wire::addressDigits) + wire::fieldSeparator
        + hexDigits(m_memory.read(address), wire::valueDigits);
    return wire::replyText(command, fields);
}

Instrument::Instrument(MemoryImage &memory)
    : m_memory(memory)
{
}

std::optional<QByteArray> Instrument::answer(const QByteArray &command)
{
    m_wrote = false;
    if (command == wire::identifyCommand)
        return wire::replyText(command, wire::identification);

    const QList<QByteArray> fields = command.split(wire::fieldSeparator);
    if (fields.size() == 2 && fields[0] == wire::readCommand) {
        const auto address = hexField(fields[1], wire::addressDigits);
        if (!address)
            return std::nullopt;
        return memoryReply(command, *address);
    }
    if (fields.size() == 3 && fields[0] == wire::writeCommand) {
        const auto address = hexField(fields[1], wire::addressDigits);
        const auto value = hexField(fields[2], wire::valueDigits);
        if (!address || !value)
            return std::nullopt;
        m_memory.write(*address, static_cast<quint8>(*value));
        m_wrote = true;
        return memoryReply(command, *address);
    }
    return std::nullopt;
}

std::optional<QByteArray> CommandAssembler::feed(char c)
{
    if (c == wire::commandMark) {
        m_line.clear();
        m_inLine = true;
        return std::nullopt;
    }
    if (!m_inLine || c == wire::lineFeed)
        return std::nullopt;
    if (c == wire::lineEnd) {
        m_inLine = false;
        if (!m_line.startsWith(wire::deviceNumber))
            return std::nullopt;
        return m_line.mid(1);
    }
    if (m_line.size() < maxLineLength)
        m_line.append(c);
    return std::nullopt;
}

} // namespace corvex
