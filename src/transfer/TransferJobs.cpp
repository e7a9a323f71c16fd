#include "TransferJobs.h"

#include "ListTexts.h"
#include "LocalStore.h"
#include "MemoryMap.h"
#include "NumberText.h"
#include "TransferMessages.h"
#include "TransferText.h"

#include <vector>

namespace corvex {

using namespace MemoryMap;
using Status = TransferOutcome::Status;

namespace {

QString failurePlace(const StepResult &step, bool writing)
{
    return TransferText::tr("at %1 %2.").arg(addressText(step.failedAddress), faultReason(step.fault, writing));
}

QString incompleteOnInstrument(const QString &what, const StepResult &step, int total)
{
    if (step.bytesMoved == 0 && step.fault == MemoryFault::NotConnected)
        return nothingWasSent();
    return TransferText::tr("%1 on the Corvex may now be incomplete (%2 of %3 bytes confirmed); send it again when the "
                            "Corvex answers. The local store was not changed.")
        .arg(what)
        .arg(step.bytesMoved)
        .arg(total);
}

QString storeFailure(const QString &done, const StoreResult &saved)
{
    return TransferText::tr("%1, but the local store could not be saved: %2").arg(done, saved.error);
}

TransferOutcome refusedProgram(int number)
{
    return makeOutcome(Status::Refused, TransferText::tr("There is no program %1.").arg(number));
}

TransferOutcome refusedReagent(int number)
{
    return makeOutcome(Status::Refused, TransferText::tr("There is no reagent %1.").arg(number));
}

// Saves section `section` of the store (0: the reagents) after `done`.
TransferOutcome saved(const TransferTarget &target, int section, const QString &done)
{
    const StoreResult result = saveToStore(section, target.storePath, target.data);
    if (!result)
        return makeOutcome(Status::StoreFailed, storeFailure(done, result));
    return makeOutcome(Status::Done);
}

class ProgramRead : public ByteJob
{
public:
    using ByteJob::ByteJob;

private:
    std::optional<TransferOutcome> prepare() override
    {
        if (!ProgramTable::isValidNumber(m_number))
            return refusedProgram(m_number);
        // The type decides how many vials follow; it is read before them.
        m_offsets = programReadOffsets(typeEm);
        m_block = QByteArray(programBlockSize, '\0');
        emit progress(0, m_maximum);
        return std::nullopt;
    }
    int byteCount() const override { return int(m_offsets.size()); }
    int addressAt(int index) const override { return programAddress(m_number) + m_offsets[size_t(index)]; }
    void byteMoved(int index, quint8 value) override
    {
        const int offset = m_offsets[size_t(index)];
        m_block[offset] = static_cast<char>(value);
        if (dropUnreadVials(m_offsets, offset, value) > 0)
            m_maximum = int(m_offsets.size());
        emit progress(m_moved, m_maximum);
    }
    void bytesDone() override
    {
        m_target.data.programs[m_number] = decodeProgram(m_block);
        finish(saved(m_target, m_number,
                     TransferText::tr("%1 was read from the Corvex").arg(programNumberLabel(m_number))));
    }
    void byteFailed(const StepResult &step) override
    {
        finish(makeOutcome(Status::DeviceFailed,
                       TransferText::tr("%1 could not be read from the Corvex: %2\n%1 keeps its previous content.")
                           .arg(programNumberLabel(m_number), failurePlace(step, false))));
    }
    void stopRequested() override
    {
        abandonReply();
        finish(makeOutcome(Status::Stopped));
    }

    std::vector<int> m_offsets;
    QByteArray m_block;
    int m_maximum = programTransferBytes;
};

class ProgramSend : public ByteJob
{
public:
    using ByteJob::ByteJob;

private:
    std::optional<TransferOutcome> prepare() override
    {
        if (!ProgramTable::isValidNumber(m_number))
            return refusedProgram(m_number);
        const ProgramRecord &program = m_target.data.programs[m_number];
        if (const auto problem = findEncodingProblem(program)) {
            const QString where =
                problem->vial == 0 ? QString() : TransferText::tr(" of vial %1").arg(zeroPadded(problem->vial, 2));
            return makeOutcome(Status::Refused,
                           (TransferText::tr("%1 cannot be sent: the value %2 of %3%4 cannot be stored on the Corvex. ")
                            + nothingWasSent())
                               .arg(programNumberLabel(m_number))
                               .arg(problem->value)
                               .arg(QString::fromLatin1(problem->field), where));
        }
        // What is sent is the program as it was when the send began.
        m_bytes = encodeProgram(program);
        emit progress(0, programTransferBytes);
        return std::nullopt;
    }
    int byteCount() const override { return int(m_bytes.size()); }
    int addressAt(int index) const override { return programAddress(m_number) + m_bytes[size_t(index)].offset; }
    std::optional<quint8> valueAt(int index) const override { return static_cast<quint8>(m_bytes[size_t(index)].value); }
    void byteMoved(int, quint8) override { emit progress(m_moved, programTransferBytes); }
    void bytesDone() override
    {
        finish(saved(m_target, m_number,
                     TransferText::tr("%1 was sent to the Corvex").arg(programNumberLabel(m_number))));
    }
    void byteFailed(const StepResult &step) override
    {
        const QString label = programNumberLabel(m_number);
        finish(makeOutcome(Status::DeviceFailed, TransferText::tr("%1 could not be sent to the Corvex: %2\n%3")
                                                 .arg(label, failurePlace(step, true),
                                                      incompleteOnInstrument(label, step, programTransferBytes))));
    }
    // The program under way is finished, so that the instrument never keeps half of it.
    void stopRequested() override {}

    std::vector<BlockByte> m_bytes;
};

class ReagentRead : public ByteJob
{
public:
    using ByteJob::ByteJob;

private:
    std::optional<TransferOutcome> prepare() override
    {
        if (!ReagentTable::isValidNumber(m_number))
            return refusedReagent(m_number);
        emit progress(0, reagentEntrySize);
        return std::nullopt;
    }
    int byteCount() const override { return reagentEntrySize; }
    int addressAt(int index) const override { return reagentAddress(m_number) + index; }
    void byteMoved(int, quint8 value) override
    {
        m_name.append(static_cast<char>(value));
        emit progress(m_moved, reagentEntrySize);
    }
    void bytesDone() override
    {
        m_target.data.reagents[m_number] = m_name;
        finish(makeOutcome(Status::Done));
    }
    void byteFailed(const StepResult &step) override
    {
        finish(makeOutcome(Status::DeviceFailed,
                       TransferText::tr("%1 could not be read from the Corvex: %2\n%1 keeps its previous name.")
                           .arg(reagentNumberLabel(m_number), failurePlace(step, false))));
    }
    void stopRequested() override
    {
        abandonReply();
        finish(makeOutcome(Status::Stopped));
    }

    QByteArray m_name;
};

class ReagentSend : public ByteJob
{
public:
    using ByteJob::ByteJob;

private:
    std::optional<TransferOutcome> prepare() override
    {
        if (!ReagentTable::isValidNumber(m_number))
            return refusedReagent(m_number);
        m_bytes = m_target.data.reagents[m_number].leftJustified(reagentEntrySize, ' ', true);
        emit progress(0, reagentEntrySize);
        return std::nullopt;
    }
    int byteCount() const override { return reagentEntrySize; }
    int addressAt(int index) const override { return reagentAddress(m_number) + index; }
    std::optional<quint8> valueAt(int index) const override { return static_cast<quint8>(m_bytes[index]); }
    void byteMoved(int, quint8) override { emit progress(m_moved, reagentEntrySize); }
    void bytesDone() override
    {
        finish(saved(m_target, 0, TransferText::tr("%1 was sent to the Corvex").arg(reagentNumberLabel(m_number))));
    }
    void byteFailed(const StepResult &step) override
    {
        const QString label = reagentNumberLabel(m_number);
        finish(makeOutcome(Status::DeviceFailed, TransferText::tr("%1 could not be sent to the Corvex: %2\n%3")
                                                 .arg(label, failurePlace(step, true),
                                                      incompleteOnInstrument(label, step, reagentEntrySize))));
    }
    void stopRequested() override {}

    QByteArray m_bytes;
};

// Reagents 1..200, each into the table as soon as it is complete.
class ReadAll : public ByteJob
{
public:
    ReadAll(TransferTarget target, QObject *parent)
        : ByteJob(std::move(target), 0, parent)
    {
    }

private:
    std::optional<TransferOutcome> prepare() override
    {
        emit progress(0, reagentCount);
        return std::nullopt;
    }
    int byteCount() const override { return reagentCount * reagentEntrySize; }
    int addressAt(int index) const override { return reagentAddress(1) + index; }
    void byteMoved(int index, quint8 value) override
    {
        m_name.append(static_cast<char>(value));
        if (m_name.size() < reagentEntrySize)
            return;
        const int reagent = index / reagentEntrySize + 1;
        m_target.data.reagents[reagent] = std::exchange(m_name, {});
        m_read = reagent;
        emit reagentDone(reagent);
        emit progress(reagent, reagentCount);
        if (stopWanted() && reagent < reagentCount)
            end(StepResult(), true);
    }
    void bytesDone() override { end(StepResult(), false); }
    void byteFailed(const StepResult &step) override { end(step, false); }
    void stopRequested() override
    {
        if (replyIsRetrying())
            endDuringRetries();
    }
    void retryStarted() override
    {
        if (stopWanted())
            endDuringRetries();
    }
    // The instrument does not answer and the user wants to stop: the reagent
    // under way is given up, those before it are kept.
    void endDuringRetries()
    {
        abandonReply();
        end(StepResult(), true);
    }

    void end(const StepResult &step, bool stopped)
    {
        TransferOutcome result = makeOutcome(stopped ? Status::Stopped : Status::Done);
        result.reagentsRead = m_read;
        // The reagents read before a stop or failure are saved all the same.
        const StoreResult saved = m_read == 0 ? StoreResult::done() : saveToStore(0, m_target.storePath, m_target.data);
        const QString storeProblem =
            saved ? QString()
                  : storeFailure(TransferText::tr("%1 reagents were read from the Corvex").arg(m_read), saved);
        if (step.ok()) {
            if (!saved) {
                result.status = Status::StoreFailed;
                result.message = storeProblem;
            }
            finish(result);
            return;
        }
        const int failed = m_read + 1;
        const QString kept = m_read == 0
            ? TransferText::tr("No reagent was read; all keep their previous names.")
            : (saved ? TransferText::tr("%1 to %2 were read and saved; %3 and the ones after it "
                                        "keep their previous names.")
                     : TransferText::tr("%1 to %2 were read; %3 and the ones after it keep "
                                        "their previous names."))
                  .arg(reagentNumberLabel(1), reagentNumberLabel(m_read), reagentNumberLabel(failed));
        result.status = Status::DeviceFailed;
        result.message = TransferText::tr("Reading all reagents stopped at %1: %2\n%3")
                             .arg(reagentNumberLabel(failed), failurePlace(step, false), kept);
        if (!saved)
            result.message += QLatin1Char('\n') + storeProblem;
        finish(result);
    }

    QByteArray m_name;
    int m_read = 0;
};

} // namespace

ByteJob::ByteJob(TransferTarget target, int number, QObject *parent)
    : TransferJob(parent)
    , m_target(std::move(target))
    , m_number(number)
{
}

void ByteJob::start()
{
    if (isRunning() || isFinished())
        return;
    markStarted();
    if (const std::optional<TransferOutcome> refusal = prepare()) {
        finish(*refusal);
        return;
    }
    next();
}

void ByteJob::next()
{
    if (hasEnded())
        return;
    if (m_index == byteCount()) {
        bytesDone();
        return;
    }
    const int address = addressAt(m_index);
    const std::optional<quint8> value = valueAt(m_index);
    MemoryReply *reply = value ? m_target.memory.writeByte(address, *value) : m_target.memory.readByte(address);
    await(reply, [this, address](MemoryReply &done) {
        if (!done.ok()) {
            byteFailed({done.fault(), address, m_moved});
            return;
        }
        ++m_moved;
        byteMoved(m_index, static_cast<quint8>(done.value()));
        ++m_index;
        next();
    });
}

ByteJob *makeProgramRead(TransferTarget target, int number, QObject *parent)
{
    return new ProgramRead(std::move(target), number, parent);
}

ByteJob *makeProgramSend(TransferTarget target, int number, QObject *parent)
{
    return new ProgramSend(std::move(target), number, parent);
}

ByteJob *makeReagentRead(TransferTarget target, int number, QObject *parent)
{
    return new ReagentRead(std::move(target), number, parent);
}

ByteJob *makeReagentSend(TransferTarget target, int number, QObject *parent)
{
    return new ReagentSend(std::move(target), number, parent);
}

ByteJob *makeReadAll(TransferTarget target, QObject *parent)
{
    return new ReadAll(std::move(target), parent);
}

} // namespace corvex
