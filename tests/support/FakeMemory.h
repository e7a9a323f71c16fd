#pragma once

#include "MemoryAccess.h"
#include "MemoryCommands.h"
#include "MemoryMap.h"
#include "TransferJob.h"

#include <QList>
#include <QSet>
#include <QSignalSpy>
#include <QStringList>
#include <QTimer>

namespace corvex {

// The instrument's memory as a plain 64 KiB image: records every address
// read or written, and fails on request at chosen addresses (after all five
// attempts, announcing the repeats) or, at `silentAt`, keeps retrying
// without ever finishing. Replies finish from the event loop.
class FakeMemory : public QObject, public MemoryAccess
{
public:
    QByteArray image = QByteArray(0x10000, '\0');
    QList<int> reads;
    QList<int> writes;
    QSet<int> failing;
    MemoryFault fault = MemoryFault::NoAnswer;
    int silentAt = -1;
    // Called with the address of each command as it is made.
    std::function<void(int address)> onCommand;
    // When set, what the n-th read (from 0) gives instead of the image.
    std::function<int(int n)> readValue;

    MemoryReply *readByte(int address) override
    {
        return answer(reads, address, static_cast<quint8>(readValue ? readValue(int(reads.size())) : image[address]));
    }

    MemoryReply *writeByte(int address, quint8 value) override
    {
        if (!failing.contains(address) && address != silentAt)
            image[address] = static_cast<char>(value);
        return answer(writes, address, value);
    }

private:
    MemoryReply *answer(QList<int> &made, int address, quint8 value)
    {
        made << address;
        if (onCommand)
            onCommand(address);
        auto *reply = new MemoryReply(this);
        if (address == silentAt) {
            QTimer::singleShot(0, reply, [reply] { reply->reportRetry(2); });
        } else if (!failing.contains(address)) {
            reply->finish(MemoryFault::None, value, 1);
        } else {
            QTimer::singleShot(0, reply, [reply, fault = fault] {
                for (int attempt = 2; attempt <= memoryAttempts; ++attempt)
                    reply->reportRetry(attempt);
                reply->finish(fault, 0, memoryAttempts);
            });
        }
        return reply;
    }
};

// Runs jobs to their end, writing down what they report, e.g. "max 138", "step", "retry 2 of 5".
class JobRecorder : public QObject
{
public:
    QStringList events;
    int steps = 0;

    // Starts the job and waits (without a time limit worth mentioning) for its outcome.
    TransferOutcome run(TransferJob &job)
    {
        connect(&job, &TransferJob::progress, this, [this](int done, int maximum) {
            if (maximum != m_maximum)
                events << QStringLiteral("max %1").arg(m_maximum = maximum);
            if (done > m_done && maximum != reagentCountForEvents) {
                ++steps;
                if (events.constLast() != QLatin1String("step"))
                    events << QStringLiteral("step");
            }
            m_done = done;
        });
        connect(&job, &TransferJob::retrying, this,
                [this](int attempt, int attempts) { events << QStringLiteral("retry %1 of %2").arg(attempt).arg(attempts); });
        QSignalSpy finished(&job, &TransferJob::finished);
        job.start();
        if (!finished.wait(120'000) || finished.size() != 1)
            return {TransferOutcome::Status::DeviceFailed, QStringLiteral("the job did not finish once"), 0};
        return job.outcome();
    }

private:
    static constexpr int reagentCountForEvents = 200; // Read ALL counts reagents, not steps
    int m_maximum = -1;
    int m_done = 0;
};

// The 150-byte block of a program as the instrument keeps it.
inline QByteArray programBlock(const ProgramRecord &program)
{
    QByteArray block(MemoryMap::programBlockSize, '\0');
    for (const BlockByte &byte : encodeProgram(program))
        block[byte.offset] = static_cast<char>(byte.value);
    return block;
}

// Addresses first..last, in order.
inline QList<int> addressRange(int first, int last)
{
    QList<int> addresses;
    for (int address = first; address <= last; ++address)
        addresses << address;
    return addresses;
}

} // namespace corvex
