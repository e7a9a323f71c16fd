#include "ReceiveRules.h"

namespace corvex {

namespace {
constexpr char cr = '\r';
constexpr char lf = '\n';
constexpr qsizetype prefixCompareLength = 4;
} // namespace

std::optional<QByteArray> receiveCharacters(ReceiveState &state, QByteArrayView batch)
{
    std::optional<QByteArray> completed;
    for (const char c : batch) {
        if (c == cr && state.replyBuffer.left(prefixCompareLength) == state.expectedPrefix) {
            if (!completed)
                completed = state.replyBuffer;
        } else if (c == '?') {
            state.replyBuffer = QByteArray(1, '?');
        } else if (c != lf) {
            if (state.replyBuffer.size() < replyBufferLimit)
                state.replyBuffer.append(c);
        }
    }
    return completed;
}

QByteArray expectedPrefixFor(QByteArrayView command)
{
    return QByteArrayLiteral("?1") + command.first(std::min<qsizetype>(2, command.size())).toByteArray();
}

QByteArray commandLine(QByteArrayView command)
{
    return QByteArrayLiteral("!1") + command.toByteArray() + cr;
}

QByteArray timeOutSubstitute(QByteArrayView expectedPrefix)
{
    return expectedPrefix.toByteArray() + QByteArrayLiteral("00000000");
}

} // namespace corvex
