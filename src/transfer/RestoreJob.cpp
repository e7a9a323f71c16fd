#include "RestoreJob.h"

#include "IniFile.h"
#include "ListTexts.h"
#include "MemoryMap.h"
#include "NameForms.h"
#include "NumberText.h"
#include "RestoreSource.h"
#include "TransferMessages.h"
#include "TransferText.h"

namespace corvex {

using namespace MemoryMap;
using Status = TransferOutcome::Status;

namespace {

// "Program01 to Program06", "Reagent 007", "" for an empty range.
QString rangeText(const QString &first, const QString &last, int count)
{
    if (count == 0)
        return {};
    return count == 1 ? first : TransferText::tr("%1 to %2").arg(first, last);
}

} // namespace

RestoreJob::RestoreJob(MemoryAccess &memory, const InstrumentData &backup, StorePart part, InstrumentData &data,
                       QString storePath, QObject *parent)
    : TransferJob(parent)
    , m_memory(memory)
    , m_backup(backup)
    , m_part(part)
    , m_data(data)
    , m_storePath(std::move(storePath))
{
    for (int p = m_part.firstProgram; p <= m_part.lastProgram; ++p) {
        if (isBlankName(m_backup.programs[p].name))
            m_backup.programs[p] = ProgramRecord::empty();
    }
}

int RestoreJob::totalBytes() const
{
    const int programs = m_part.hasPrograms() ? m_part.lastProgram - m_part.firstProgram + 1 : 0;
    return programs * programTransferBytes + (m_part.reagents ? reagentCount * reagentEntrySize : 0);
}

void RestoreJob::start()
{
    if (isRunning() || isFinished())
        return;
    markStarted();
    if (const QString problem = storeWriteProblem(m_storePath); !problem.isEmpty()) {
        finish(makeOutcome(Status::Refused, problem + QLatin1Char(' ') + nothingWasSent()));
        return;
    }
    for (int p = m_part.firstProgram; p <= m_part.lastProgram; ++p) {
        if (const auto problem = findEncodingProblem(m_backup.programs[p])) {
            const QString where =
                problem->vial == 0 ? QString() : TransferText::tr(" of vial %1").arg(zeroPadded(problem->vial, 2));
            finish(makeOutcome(Status::Refused,
                               (TransferText::tr("%1 cannot be restored: the value %2 of %3%4 cannot be stored "
                                                 "on the Corvex. ")
                                + nothingWasSent())
                                   .arg(programNumberLabel(p))
                                   .arg(problem->value)
                                   .arg(QString::fromLatin1(problem->field), where)));
            return;
        }
        Item item;
        item.program = p;
        for (const BlockByte &byte : encodeProgram(m_backup.programs[p]))
            item.bytes.emplace_back(programAddress(p) + byte.offset, static_cast<quint8>(byte.value));
        m_items.push_back(std::move(item));
    }
    if (m_part.reagents) {
        for (int r = 1; r <= reagentCount; ++r) {
            Item item;
            item.reagent = r;
            const QByteArray name = m_backup.reagents[r].leftJustified(reagentEntrySize, ' ', true);
            for (int i = 0; i < reagentEntrySize; ++i)
                item.bytes.emplace_back(reagentAddress(r) + i, static_cast<quint8>(name[i]));
            m_items.push_back(std::move(item));
        }
    }
    emit progress(0, totalBytes());
    next();
}

QString RestoreJob::itemLabel(const Item &item) const
{
    return item.program != 0 ? programNumberLabel(item.program) : reagentNumberLabel(item.reagent);
}

void RestoreJob::next()
{
    if (hasEnded())
        return;
    if (m_item == m_items.size()) {
        ended(makeOutcome(Status::Done));
        return;
    }
    if (m_byte == 0 && stopWanted()) {
        ended(makeOutcome(Status::Stopped, TransferText::tr("The restore was stopped.\n") + sentSoFar(false)
                                           + TransferText::tr("\nThe local store was not changed.")));
        return;
    }
    const auto [address, value] = m_items[m_item].bytes[m_byte];
    await(m_memory.writeByte(address, value), [this, address](MemoryReply &reply) {
        if (!reply.ok()) {
            failed(reply, address);
            return;
        }
        ++m_bytesSent;
        emit progress(m_bytesSent, totalBytes());
        if (++m_byte == m_items[m_item].bytes.size()) {
            ++m_item;
            m_byte = 0;
        }
        next();
    });
}

// What was sent before the item under way and what was not sent after it.
QString RestoreJob::sentSoFar(bool itemUnderWay) const
{
    const auto describe = [this](size_t from, size_t to) {
        QStringList parts;
        int programs = 0, reagents = 0;
        const Item *firstProgram = nullptr, *lastProgram = nullptr, *firstReagent = nullptr, *lastReagent = nullptr;
        for (size_t i = from; i < to; ++i) {
            const Item &item = m_items[i];
            if (item.program != 0) {
                ++programs;
                firstProgram = firstProgram ? firstProgram : &item;
                lastProgram = &item;
            } else {
                ++reagents;
                firstReagent = firstReagent ? firstReagent : &item;
                lastReagent = &item;
            }
        }
        if (programs)
            parts << rangeText(itemLabel(*firstProgram), itemLabel(*lastProgram), programs);
        if (reagents)
            parts << rangeText(itemLabel(*firstReagent), itemLabel(*lastReagent), reagents);
        return parts.size() == 2 ? TransferText::tr("%1 and %2").arg(parts[0], parts[1])
                                 : parts.join(QString());
    };
    const size_t underWay = std::min(m_item + (itemUnderWay ? 1 : 0), m_items.size());
    const QString sent = describe(0, m_item);
    const QString notSent = describe(underWay, m_items.size());
    QStringList sentences;
    sentences << (sent.isEmpty() ? TransferText::tr("Nothing was sent completely.")
                                 : TransferText::tr("%1 were sent.").arg(sent));
    if (!notSent.isEmpty())
        sentences << TransferText::tr("%1 were not sent.").arg(notSent);
    return sentences.join(QLatin1Char(' '));
}

void RestoreJob::failed(const MemoryReply &reply, int address)
{
    const Item &item = m_items[m_item];
    const QString label = itemLabel(item);
    QString message = TransferText::tr("Restoring stopped at %1: at %2 %3.\n")
                          .arg(label, addressText(address), faultReason(reply.fault(), true));
    if (m_bytesSent == 0 && reply.fault() == MemoryFault::NotConnected) {
        message += nothingWasSent();
    } else {
        message += TransferText::tr("%1 on the Corvex may now be incomplete (%2 of %3 bytes confirmed); restore it "
                                    "again when the Corvex answers. ")
                       .arg(label)
                       .arg(m_byte)
                       .arg(item.bytes.size());
        message += sentSoFar(true);
        message += TransferText::tr("\nThe local store was not changed.");
    }
    ended(makeOutcome(Status::DeviceFailed, message));
}

void RestoreJob::ended(TransferOutcome result)
{
    if (result.status != Status::Done) {
        finish(result);
        return;
    }
    for (int p = m_part.firstProgram; p <= m_part.lastProgram; ++p)
        m_data.programs[p] = m_backup.programs[p];
    if (m_part.reagents)
        m_data.reagents = m_backup.reagents;
    IniFile store;
    store.setFileName(m_storePath);
    writeStoreSections(store, m_data, m_part);
    const StoreResult saved = store.save();
    if (!saved) {
        result.status = Status::StoreFailed;
        result.message = TransferText::tr("%1 was restored to the Corvex, but the local store could not be saved: %2")
                             .arg(m_part.description(), saved.error);
    }
    finish(result);
}

} // namespace corvex
