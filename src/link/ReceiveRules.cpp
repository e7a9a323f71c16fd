#include "ReceiveRules.h"

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr qsizetype PrefixCompareLength = 4;
} // namespace

std::optional<QByteArray> ReceiveCharacters(ReceiveState &state, QByteArrayView batch)
{
    std::optional<QByteArray> completed;
    for (const char c : batch) {
        if (c == CR && state.ReplyBuffer.left(PrefixCompareLength) == state.ExpectedPrefix) {
            if (!completed)
                completed = state.ReplyBuffer;
        } else if (c == '?') {
            state.ReplyBuffer = QByteArray(1, '?');
        } else if (c != LF) {
            if (state.ReplyBuffer.size() < ReplyBufferLimit)
                state.ReplyBuffer.append(c);
        }
    }
    return completed;
}

QByteArray ExpectedPrefixFor(QByteArrayView command)
{
    return QByteArrayLiteral("?1") + command.first(std::min<qsizetype>(2, command.size())).toByteArray();
}

QByteArray CommandLine(QByteArrayView command)
{
    return QByteArrayLiteral("!1") + command.toByteArray() + CR;
}

QByteArray TimeOutSubstitute(QByteArrayView expectedPrefix)
{
    return expectedPrefix.toByteArray() + QByteArrayLiteral("00000000");
}
