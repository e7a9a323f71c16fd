#include "ReceiveRules.h"

#include "WireProtocol.h"

namespace corvex {

namespace {
constexpr qsizetype prefixCompareLength = 4;
} // namespace

std::optional<QByteArray> receiveCharacters(ReceiveState &state, QByteArrayView batch)
{
    std::optional<QByteArray> completed;
    for (const char c : batch) {
        if (c == wire::lineEnd && state.replyBuffer.left(prefixCompareLength) == state.expectedPrefix) {
            if (!completed)
                completed = state.replyBuffer;
        } else if (c == wire::replyMark) {
            state.replyBuffer = QByteArray(1, wire::replyMark);
        } else if (c != wire::lineFeed) {
            if (state.replyBuffer.size() < replyBufferLimit)
                state.replyBuffer.append(c);
        }
    }
    return completed;
}

QByteArray expectedPrefixFor(QByteArrayView command)
{
    return QByteArray(wire::replyStart) + command.first(std::min<qsizetype>(2, command.size())).toByteArray();
}

QByteArray commandLine(QByteArrayView command)
{
    return QByteArray(wire::commandStart) + command.toByteArray() + wire::lineEnd;
}

QByteArray timeOutSubstitute(QByteArrayView expectedPrefix)
{
    return expectedPrefix.toByteArray() + wire::missingReplyFields;
}

} // namespace corvex
