// Feeds arbitrary byte batches to the receive rules, and the replies they
// complete to the memory commands' checks. Input: one byte choosing the
// command, then batches, each a length byte followed by that many bytes.
#include "link/DeviceConnection.h"
#include "link/MemoryCommands.h"
#include "link/ReceiveRules.h"

#include <cstdint>
#include <cstdlib>

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

// Each transaction receives the next batch; it is answered when the batch
// completes a reply, and times out otherwise.
class BatchChannel : public CommandChannel
{
public:
    explicit BatchChannel(Batches &batches)
        : m_batches(batches)
    {
    }

    TransactionResult SendCommand(const QByteArray &command) override
    {
        ReceiveState state{{}, ExpectedPrefixFor(command)};
        QByteArrayView batch;
        if (m_batches.next(&batch)) {
            if (const auto reply = ReceiveCharacters(state, batch)) {
                check(reply->left(4) == state.ExpectedPrefix);
                return {*reply, TransactionResult::Ending::Answered};
            }
        }
        return {TimeOutSubstitute(state.ExpectedPrefix), TransactionResult::Ending::TimedOut};
    }

private:
    Batches &m_batches;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray &command = Commands[data[0] % std::size(Commands)];

    ReceiveState state{{}, ExpectedPrefixFor(command)};
    Batches batches(data + 1, size - 1);
    QByteArrayView batch;
    while (batches.next(&batch)) {
        const std::optional<QByteArray> reply = ReceiveCharacters(state, batch);
        check(state.ReplyBuffer.size() <= ReplyBufferLimit);
        if (!reply)
            continue;
        check(reply->left(4) == state.ExpectedPrefix);
        check(!reply->contains('\n'));
        if (const auto value = ReplyValue(*reply); value && *value >= 0)
            check(ReplyValue(reply->toUpper()) == value);
        static_cast<void>(ReplyAddressMatches(*reply, Address));
        static_cast<void>(IsIdentificationReply(*reply));
    }

    Batches replies(data + 1, size - 1);
    BatchChannel channel(replies);
    const MemoryReadResult read = ReadMemory(channel, Address);
    check(read.attempts >= 1 && read.attempts <= MemoryAttempts);
    check(!read.ok() || (read.value >= 0 && read.value <= 0xFF));
    const MemoryCommandResult written = WriteMemory(channel, Address, 0x41);
    check(written.attempts >= 1 && written.attempts <= MemoryAttempts);
    return 0;
}
