#include "Simulator.h"

#include "HexFormat.h"

#include <cstdio>

namespace corvex {

namespace {
constexpr int saveDelayMs = 200;
constexpr qint64 nsPerMs = 1'000'000;
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
    m_saveTimer.setInterval(saveDelayMs);
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
    const qint64 now = m_clock.nsecsElapsed();
    for (const char c : bytes) {
        if (c == '!') {
            m_lineStartNs = now;
            m_lineLength = 0;
        }
        ++m_lineLength;
        if (const auto command = m_assembler.feed(c))
            handleCommand(*command, m_lineStartNs, m_lineLength);
    }
}

void Simulator::handleCommand(const QByteArray &command, qint64 lineStartNs, qsizetype lineLength)
{
    ++m_commandCount;
    log("command: " + command);
    if (m_options.silentFrom >= 0 && (command.startsWith("25,") || command.startsWith("26,"))
        && command.mid(3, 4).toInt(nullptr, 16) == m_options.silentFrom)
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
    transmit(applyReplyFaults(command, *reply), lineStartNs, lineLength);
}

QByteArray Simulator::applyReplyFaults(const QByteArray &command, QByteArray reply) const
{
    const bool memoryCommand = command.startsWith("25,") || command.startsWith("26,");
    constexpr qsizetype addressAt = 5;
    constexpr qsizetype valueAt = 10;
    if (memoryCommand && everyKth(m_options.wrongAddressEvery)) {
        const int address = static_cast<int>(reply.mid(addressAt, 4).toUInt(nullptr, 16));
        reply.replace(addressAt, 4, hexDigits(address + 1, 4));
    }
    if (command.startsWith("26,") && everyKth(m_options.wrongValueEvery)) {
        const int value = static_cast<int>(reply.mid(valueAt).toUInt(nullptr, 16));
        reply.replace(valueAt, reply.size() - valueAt, hexDigits(value ^ 0x01, 2));
    }
    if (memoryCommand && everyKth(m_options.corruptEvery)) {
        // As a line without a checksum can alter a value: other digits, still a byte.
        const int value = static_cast<int>(reply.mid(valueAt).toUInt(nullptr, 16));
        reply.replace(valueAt, reply.size() - valueAt, hexDigits(value + 0x37, 2));
    }
    return reply;
}

void Simulator::transmit(const QByteArray &reply, qint64 lineStartNs, qsizetype lineLength)
{
    QByteArray text = m_options.noise + reply + '\r';
    if (m_options.lineFeed)
        text += '\n';

    qint64 due = m_clock.nsecsElapsed();
    if (m_options.wireTiming) {
        // The command line is complete on the wire only after all its characters.
        const qint64 commandEnd = lineStartNs + lineLength * Transmitter::characterTimeNs;
        due = std::max(due, commandEnd) + static_cast<qint64>(m_options.turnaroundMs * nsPerMs);
    }
    if (m_options.splitSize <= 0) {
        m_transmitter.send(text, due);
        return;
    }
    for (qsizetype at = 0; at < text.size(); at += m_options.splitSize) {
        m_transmitter.send(text.mid(at, m_options.splitSize), due);
        due = std::max(due, m_transmitter.busyUntilNs()) + m_options.splitDelayMs * nsPerMs;
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
