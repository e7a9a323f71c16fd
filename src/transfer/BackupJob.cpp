#include "BackupJob.h"

#include "ListTexts.h"
#include "MemoryMap.h"
#include "NameForms.h"
#include "TransferMessages.h"
#include "TransferText.h"

namespace corvex {

using namespace MemoryMap;
using Status = TransferOutcome::Status;

namespace {

constexpr int nameBytes = programCount * nameLength + reagentCount * reagentEntrySize;

// The offsets a program read visits after the name.
std::vector<int> offsetsAfterName(qint32 type)
{
    std::vector<int> offsets = programReadOffsets(type);
    offsets.erase(offsets.begin(), offsets.begin() + nameLength);
    return offsets;
}

} // namespace

BackupJob::BackupJob(MemoryAccess &memory, QString file, BackupInfo info, QObject *parent)
    : TransferJob(parent)
    , m_memory(memory)
    , m_file(std::move(file))
    , m_info(std::move(info))
{
}

int BackupJob::bytesExpected() const
{
    return nameBytes + m_restExpected;
}

void BackupJob::start()
{
    if (isRunning() || isFinished())
        return;
    markStarted();
    m_bytes = QByteArray(programBlockSize, '\0');
    emit progress(0, bytesExpected());
    next();
}

void BackupJob::stopRequested()
{
    abandonReply();
    // Without a file the read is for a comparison, which the user knows by that name.
    finish(makeOutcome(Status::Stopped,
                       m_file.isEmpty()
                           ? TransferText::tr("The comparison was stopped at %1; nothing was compared.").arg(whereText())
                           : TransferText::tr("The backup was stopped at %1; no backup file was written.").arg(whereText())));
}

int BackupJob::address() const
{
    switch (m_phase) {
    case Phase::ProgramName:
        return programAddress(m_item) + nameOffset + m_index;
    case Phase::ProgramRest:
        return programAddress(m_item) + m_restOffsets[size_t(m_index)];
    case Phase::Reagents:
        break;
    }
    return reagentAddress(m_item) + m_index;
}

void BackupJob::next()
{
    if (hasEnded())
        return;
    const int at = address();
    await(m_memory.readByte(at), [this, at](MemoryReply &reply) {
        if (reply.ok())
            byteRead(static_cast<quint8>(reply.value()));
        else
            failed(reply, at);
    });
}

void BackupJob::byteRead(quint8 value)
{
    ++m_bytesRead;
    const auto nextProgram = [this] {
        m_index = 0;
        m_bytes = QByteArray(programBlockSize, '\0');
        m_phase = Phase::ProgramName;
        if (++m_item > programCount) {
            m_phase = Phase::Reagents;
            m_item = 1;
            m_bytes.clear();
        }
    };

    switch (m_phase) {
    case Phase::ProgramName:
        m_bytes[nameOffset + m_index] = static_cast<char>(value);
        if (++m_index < nameLength)
            break;
        if (isBlankName(m_bytes.mid(nameOffset, nameLength))) {
            m_data.programs[m_item] = ProgramRecord::empty();
            nextProgram();
            break;
        }
        m_phase = Phase::ProgramRest;
        m_index = 0;
        m_restOffsets = offsetsAfterName(typeEm);
        m_restExpected += int(m_restOffsets.size());
        break;
    case Phase::ProgramRest: {
        const int offset = m_restOffsets[size_t(m_index)];
        m_bytes[offset] = static_cast<char>(value);
        ++m_index;
        m_restExpected -= dropUnreadVials(m_restOffsets, offset, value);
        if (m_index == int(m_restOffsets.size())) {
            m_data.programs[m_item] = decodeProgram(m_bytes);
            nextProgram();
        }
        break;
    }
    case Phase::Reagents:
        m_bytes.append(static_cast<char>(value));
        if (++m_index < reagentEntrySize)
            break;
        m_data.reagents[m_item] = std::exchange(m_bytes, {});
        m_index = 0;
        if (++m_item > reagentCount) {
            emit progress(m_bytesRead, bytesExpected());
            complete();
            return;
        }
        break;
    }
    emit progress(m_bytesRead, bytesExpected());
    next();
}

QString BackupJob::whereText() const
{
    return m_phase == Phase::Reagents ? reagentNumberLabel(m_item) : programNumberLabel(m_item);
}

void BackupJob::failed(const MemoryReply &reply, int at)
{
    const QString text = m_file.isEmpty()
        ? TransferText::tr("Reading the Corvex for the comparison stopped at %1: at %2 %3.\nNothing was compared.")
        : TransferText::tr("The backup stopped at %1: at %2 %3.\nNo backup file was written.");
    finish(makeOutcome(Status::DeviceFailed, text.arg(whereText(), addressText(at), faultReason(reply.fault(), false))));
}

void BackupJob::complete()
{
    if (m_file.isEmpty()) {
        finish(makeOutcome(Status::Done, {}));
        return;
    }
    const StoreResult written = writeBackupFile(m_file, m_data, m_info);
    if (!written) {
        finish(makeOutcome(Status::StoreFailed,
                       TransferText::tr("The Corvex was read whole, but the backup file could not be written: %1")
                           .arg(written.error)));
        return;
    }
    finish(makeOutcome(Status::Done, {}));
}

} // namespace corvex
