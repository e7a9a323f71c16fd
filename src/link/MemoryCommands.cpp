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

// Sends the command until a reply passes `passes`, at most five times, and
// tells why every attempt failed if all of them did.
template<typename Check>
MemoryCommandResult attempt(CommandChannel &channel, const QByteArray &command, Check passes)
{
    MemoryCommandResult result;
    int unanswered = 0;
    int portClosed = 0;
    while (result.attempts < MemoryAttempts) {
        const TransactionResult transaction = channel.SendCommand(command);
        ++result.attempts;
        if (passes(transaction.reply))
            return result;
        if (transaction.ending == TransactionResult::Ending::TimedOut)
            ++unanswered;
        else if (transaction.ending == TransactionResult::Ending::PortClosed)
            ++portClosed;
    }
    if (portClosed == result.attempts)
        result.fault = MemoryFault::NotConnected;
    else if (unanswered + portClosed == result.attempts)
        result.fault = MemoryFault::NoAnswer;
    else
        result.fault = MemoryFault::WrongAnswer;
    return result;
}

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
    qint32 value = 0;
    const MemoryCommandResult result = attempt(channel, ReadCommandText(address), [&](QByteArrayView reply) {
        const std::optional<qint32> parsed = ReplyValue(reply);
        if (parsed)
            value = *parsed;
        return ReplyAddressMatches(reply, address) && parsed && isByte(*parsed);
    });
    return {result, value};
}

MemoryCommandResult WriteMemory(CommandChannel &channel, qint32 address, qint32 value)
{
    return attempt(channel, WriteCommandText(address, value), [&](QByteArrayView reply) {
        return ReplyAddressMatches(reply, address) && ReplyValue(reply) == value;
    });
}
