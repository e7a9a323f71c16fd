#include "MemoryCommands.h"

#include "HexFormat.h"
#include "MemoryReply.h"
#include "SerialLink.h"
#include "WireProtocol.h"

#include <QPointer>

namespace corvex {

namespace {

constexpr qsizetype maxValueDigits = 8;

// 0..15, or -1 for a character that is no hexadecimal digit.
int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isByte(qint32 value)
{
    return value >= 0 && value <= 0xFF;
}

// The attempts of one memory command; lives as a child of its reply.
class MemoryCommandRun : public QObject
{
public:
    MemoryCommandRun(SerialLink &link, MemoryReply &reply, QByteArray command, qint32 address, std::optional<qint32> written)
        : QObject(&reply)
        , m_link(link)
        , m_reply(reply)
        , m_command(std::move(command))
        , m_address(address)
        , m_written(written)
    {
        connect(&m_reply, &MemoryReply::aborted, this, [this] {
            if (m_sent)
                m_sent->abort();
        });
    }

    // A command not yet on the wire is never sent once its reply is gone.
    ~MemoryCommandRun() override
    {
        if (m_sent)
            m_sent->abort();
    }

    void attempt()
    {
        m_sent = m_link.sendCommand(m_command);
        connect(m_sent, &CommandReply::finished, this, &MemoryCommandRun::attemptEnded);
    }

private:
    void attemptEnded()
    {
        CommandReply *sent = m_sent;
        m_sent = nullptr;
        const QByteArray answer = sent->reply();
        const CommandReply::Error error = sent->error();
        sent->deleteLater();
        ++m_attempts;

        const std::optional<qint32> parsed = replyValue(answer);
        if (!m_written && parsed)
            m_value = *parsed;
        const bool passes = m_written ? writeReplyPasses(answer, m_address, *m_written) : readReplyPasses(answer, m_address);
        if (passes) {
            m_reply.finish(MemoryFault::None, m_written.value_or(m_value), m_attempts);
            return;
        }
        const bool portClosed = error == CommandReply::Error::PortClosed || error == CommandReply::Error::PortLost;
        if (error == CommandReply::Error::Timeout)
            ++m_unanswered;
        else if (portClosed)
            ++m_portClosed;
        if (m_attempts == memoryAttempts) {
            MemoryFault fault = MemoryFault::WrongAnswer;
            if (m_portClosed == m_attempts)
                fault = MemoryFault::NotConnected;
            else if (m_unanswered + m_portClosed == m_attempts)
                fault = MemoryFault::NoAnswer;
            m_reply.finish(fault, m_written.value_or(m_value), m_attempts);
            return;
        }
        if (!portClosed)
            m_reply.reportRetry(m_attempts + 1);
        if (!m_reply.isAborted())
            attempt();
    }

    SerialLink &m_link;
    MemoryReply &m_reply;
    QByteArray m_command;
    qint32 m_address;
    std::optional<qint32> m_written;
    QPointer<CommandReply> m_sent;
    qint32 m_value = 0;
    int m_attempts = 0;
    int m_unanswered = 0;
    int m_portClosed = 0;
};

} // namespace

QByteArray readCommandText(qint32 address)
{
    return QByteArray(wire::readCommand) + wire::fieldSeparator + hexDigits(address, wire::addressDigits);
}

QByteArray writeCommandText(qint32 address, qint32 value)
{
    return QByteArray(wire::writeCommand) + wire::fieldSeparator + hexDigits(address, wire::addressDigits)
        + wire::fieldSeparator + hexDigits(value, wire::valueDigits);
}

bool replyAddressMatches(QByteArrayView reply, qint32 address)
{
    return reply.size() >= wire::replyAddressOffset + wire::addressDigits
        && reply.sliced(wire::replyAddressOffset, wire::addressDigits) == QByteArrayView(hexDigits(address, wire::addressDigits));
}

std::optional<qint32> replyValue(QByteArrayView reply)
{
    if (reply.size() <= wire::replyValueOffset)
        return std::nullopt;
    const QByteArrayView digits = reply.sliced(wire::replyValueOffset);
    if (digits.size() > maxValueDigits)
        return std::nullopt;
    quint32 value = 0;
    for (const char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<quint32>(digit);
    }
    return static_cast<qint32>(value);
}

bool readReplyPasses(QByteArrayView reply, qint32 address)
{
    const std::optional<qint32> value = replyValue(reply);
    return replyAddressMatches(reply, address) && value && isByte(*value);
}

bool writeReplyPasses(QByteArrayView reply, qint32 address, qint32 value)
{
    return replyAddressMatches(reply, address) && replyValue(reply) == value;
}

void runMemoryCommand(SerialLink &link, MemoryReply &reply, const QByteArray &command, qint32 address,
                      std::optional<qint32> written)
{
    (new MemoryCommandRun(link, reply, command, address, written))->attempt();
}

} // namespace corvex
