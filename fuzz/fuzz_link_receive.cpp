// Feeds arbitrary byte batches to the receive rules, and the replies they
// complete to the memory commands' checks. Input: one byte choosing the
// command, then batches, each a length byte followed by that many bytes.
#include "MemoryCommands.h"
#include "PortSearch.h"
#include "ReceiveRules.h"

#include <cstdint>
#include <cstdlib>

using namespace corvex;

namespace {

constexpr qint32 Address = 0x2000;

const QByteArray Commands[] = {"25,2000", "26,2000,41", "F1", "X", ""};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Splits the input into batches.
class Batches
{
public:
    Batches(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool next(QByteArrayView *batch)
    {
        if (m_at >= m_size)
            return false;
        const size_t wanted = m_data[m_at];
        ++m_at;
        const size_t length = std::min(wanted, m_size - m_at);
        *batch = QByteArrayView(reinterpret_cast<const char *>(m_data + m_at), qsizetype(length));
        m_at += length;
        return true;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray &command = Commands[data[0] % std::size(Commands)];

    ReceiveState state{{}, expectedPrefixFor(command)};
    Batches batches(data + 1, size - 1);
    QByteArrayView batch;
    while (batches.next(&batch)) {
        const std::optional<QByteArray> reply = receiveCharacters(state, batch);
        check(state.replyBuffer.size() <= replyBufferLimit);
        if (!reply)
            continue;
        check(reply->left(4) == state.expectedPrefix);
        check(!reply->contains('\n'));
        if (const auto value = replyValue(*reply); value && *value >= 0)
            check(replyValue(reply->toUpper()) == value);
        static_cast<void>(replyAddressMatches(*reply, Address));
        static_cast<void>(isIdentificationReply(*reply));
    }

    // Each batch as the reply of a transaction, through the memory commands' checks.
    Batches replies(data + 1, size - 1);
    while (replies.next(&batch)) {
        ReceiveState transaction{{}, expectedPrefixFor(command)};
        const QByteArray reply = receiveCharacters(transaction, batch).value_or(timeOutSubstitute(transaction.expectedPrefix));
        if (readReplyPasses(reply, Address))
            check(replyValue(reply).value() >= 0 && replyValue(reply).value() <= 0xFF);
        if (writeReplyPasses(reply, Address, 0x41))
            check(replyValue(reply) == 0x41);
    }
    return 0;
}
