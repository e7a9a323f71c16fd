#include "Simulator.h"

#include "HexFormat.h"
#include "WireProtocol.h"

#include <cstdio>

namespace corvex {

namespace {
constexpr std::chrono::milliseconds saveDelay{200};

bool isCommand(const QByteArray &command, const char *code)
{
    return command.startsWith(QByteArray(code) + wire::fieldSeparator);
}

bool isMemoryCommand(const QByteArray &command)
{
    return isCommand(command, wire::readCommand) || isCommand(command, wire::writeCommand);
}
} // namespace

Simulator::Simulator(const SimOptions &options, MemoryImage &memory, std::unique_ptr<Line> line)
    : m_options(options)
    , m_memory(memory)
    , m_line(std::move(line))
    , m_transmitter(*m_line, m_clock, options.wireTiming)
    , m_instrument(memory)
{
    m_clock.start();
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(saveDelay);
    connect(&m_saveTimer, &QTimer::timeout, this, &Simulator::saveMemory);
    connect(m_line.get(), &Line::received, this, &Simulator::receive);
}

bool Simulator::saveMemory()
{
    m_saveTimer.stop();
    if (m_options.memoryFile.isEmpty())
        return true;
    QString error;
    if (!m_memory.save(m_options.memoryFile, &error)) {
        std::fprintf(stderr, "corvex-sim: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

void Simulator::receive(const QByteArray &bytes)
{
    const std::chrono::nanoseconds now = Transmitter::now(m_clock);
    for (const char c : bytes) {
        if (c == wire::commandMark) {
            m_lineStart = now;
            m_lineLength = 0;
        }
        ++m_lineLength;
        if (const auto command = m_assembler.feed(c))
            handleCommand(*command, m_lineStart, m_lineLength);
    }
}

void Simulator::handleCommand(const QByteArray &command, std::chrono::nanoseconds lineStart, qsizetype lineLength)
{
    ++m_commandCount;
    log("command: " + command);
    if (m_options.silentFrom >= 0 && isMemoryCommand(command)
        && command.mid(wire::commandAddressOffset, wire::addressDigits).toInt(nullptr, 16) == m_options.silentFrom)
        m_silenced = true;
    if (m_options.silent || m_silenced || (m_options.silentAfter >= 0 && m_commandCount > m_options.silentAfter)) {
        log("no answer (silent)");
        return;
    }
    const std::optional<QByteArray> reply = m_instrument.answer(command);
    if (m_instrument.lastCommandWrote() && !m_options.memoryFile.isEmpty())
        m_saveTimer.start();
    if (!reply) {
        log("no answer (unknown command)");
        return;
    }
    if (everyKth(m_options.dropEvery)) {
        log("no answer (dropped)");
        return;
    }
    transmit(applyReplyFaults(command, *reply), lineStart, lineLength);
}

QByteArray Simulator::applyReplyFaults(const QByteArray &command, QByteArray reply) const
{
    const bool memoryCommand = isMemoryCommand(command);
    constexpr qsizetype addressAt = wire::replyAddressOffset;
    constexpr qsizetype valueAt = wire::replyValueOffset;
    if (memoryCommand && everyKth(m_options.wrongAddressEvery)) {
        const int address = static_cast<int>(reply.mid(addressAt, wire::addressDigits).toUInt(nullptr, 16));
        reply.replace(addressAt, wire::addressDigits, hexDigits(address + 1, wire::addressDigits));
    }
    if (isCommand(command, wire::writeCommand) && everyKth(m_options.wrongValueEvery)) {
        const int value = static_cast<int>(reply.mid(valueAt).toUInt(nullptr, 16));
        reply.replace(valueAt, reply.size() - valueAt, hexDigits(value ^ 0x01, wire::valueDigits));
    }
    if (memoryCommand && everyKth(m_options.corruptEvery)) {
        // As a line without a checksum can alter a value: other digits, still a byte.
        const int value = static_cast<int>(reply.mid(valueAt).toUInt(nullptr, 16));
        reply.replace(valueAt, reply.size() - valueAt, hexDigits(value + 0x37, wire::valueDigits));
    }
    return reply;
}

void Simulator::transmit(const QByteArray &reply, std::chrono::nanoseconds lineStart, qsizetype lineLength)
{
    QByteArray text = m_options.noise + reply + wire::lineEnd;
    if (m_options.lineFeed)
        text += wire::lineFeed;

    std::chrono::nanoseconds due = Transmitter::now(m_clock);
    if (m_options.wireTiming) {
        // The command line is complete on the wire only after all its characters.
        const std::chrono::nanoseconds commandEnd = lineStart + lineLength * Transmitter::characterTime;
        due = std::max(due, commandEnd) + m_options.turnaround;
    }
    if (m_options.splitSize <= 0) {
        m_transmitter.send(text, due);
        return;
    }
    for (qsizetype at = 0; at < text.size(); at += m_options.splitSize) {
        m_transmitter.send(text.mid(at, m_options.splitSize), due);
        due = std::max(due, m_transmitter.busyUntil()) + m_options.splitDelay;
    }
}

void Simulator::log(const QByteArray &text)
{
    if (!m_options.verbose)
        return;
    std::fprintf(stderr, "%s\n", text.constData());
    std::fflush(stderr);
}

} // namespace corvex
