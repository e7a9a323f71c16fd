#include "link/MemoryCommands.h"

#include "link/HexFormat.h"

namespace {

// Positions counted from 0: the address at 5..8, the value from 10 on.
constexpr qsizetype AddressOffset = 5;
constexpr qsizetype AddressLength = 4;
constexpr qsizetype ValueOffset = 10;
constexpr qsizetype MaxValueDigits = 8;

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

// Tracks why every attempt of a command failed, if all of them did.
struct AttemptLog
{
    int attempts = 0;
    int unanswered = 0;
    int portClosed = 0;

    void add(const TransactionResult &result)
    {
        ++attempts;
        if (result.ending == TransactionResult::Ending::TimedOut)
            ++unanswered;
        else if (result.ending == TransactionResult::Ending::PortClosed)
            ++portClosed;
    }
    bool allPortClosed() const { return portClosed == attempts; }
    bool noneAnswered() const { return unanswered + portClosed == attempts && !allPortClosed(); }
};

} // namespace

QByteArray ReadCommandText(qint32 address)
{
    return QByteArrayLiteral("25,") + Hex4(address);
}

QByteArray WriteCommandText(qint32 address, qint32 value)
{
    return QByteArrayLiteral("26,") + Hex4(address) + ',' + Hex2(value);
}

bool ReplyAddressMatches(QByteArrayView reply, qint32 address)
{
    return reply.size() >= AddressOffset + AddressLength
        && reply.sliced(AddressOffset, AddressLength) == QByteArrayView(Hex4(address));
}

std::optional<qint32> ReplyValue(QByteArrayView reply)
{
    if (reply.size() <= ValueOffset)
        return std::nullopt;
    const QByteArrayView digits = reply.sliced(ValueOffset);
    if (digits.size() > MaxValueDigits)
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

MemoryReadResult ReadMemory(CommandChannel &channel, qint32 address)
{
    MemoryReadResult result;
    AttemptLog log;
    const QByteArray command = ReadCommandText(address);
    for (int attempt = 1; attempt <= MemoryAttempts; ++attempt) {
        const TransactionResult reply = channel.SendCommand(command);
        log.add(reply);
        const std::optional<qint32> value = ReplyValue(reply.reply);
        if (value)
            result.value = *value;
        if (ReplyAddressMatches(reply.reply, address) && value && isByte(*value)) {
            result.ok = true;
            break;
        }
    }
    result.attempts = log.attempts;
    result.portClosed = !result.ok && log.allPortClosed();
    result.noAnswer = !result.ok && log.noneAnswered();
    return result;
}

MemoryWriteResult WriteMemory(CommandChannel &channel, qint32 address, qint32 value)
{
    MemoryWriteResult result;
    AttemptLog log;
    const QByteArray command = WriteCommandText(address, value);
    for (int attempt = 1; attempt <= MemoryAttempts; ++attempt) {
        const TransactionResult reply = channel.SendCommand(command);
        log.add(reply);
        if (ReplyAddressMatches(reply.reply, address) && ReplyValue(reply.reply) == value) {
            result.ok = true;
            break;
        }
    }
    result.attempts = log.attempts;
    result.portClosed = !result.ok && log.allPortClosed();
    result.noAnswer = !result.ok && log.noneAnswered();
    return result;
}
