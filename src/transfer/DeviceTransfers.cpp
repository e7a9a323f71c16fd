#include "DeviceTransfers.h"

#include "JobLog.h"
#include "ListTexts.h"
#include "NumberText.h"
#include "StoreSections.h"
#include "TransferJobs.h"
#include "TransferText.h"

namespace corvex {

DeviceTransfers::DeviceTransfers(MemoryAccess &memory, InstrumentData &data, QString storePath, TransferLog &log)
    : m_memory(memory)
    , m_data(data)
    , m_storePath(std::move(storePath))
    , m_log(log)
{
}

std::function<QString()> DeviceTransfers::programFingerprint(int number) const
{
    return [this, number] { return partFingerprint(m_data, {number, number, false}); };
}

std::function<QString()> DeviceTransfers::reagentFingerprint(int number) const
{
    return [this, number] { return corvex::reagentFingerprint(m_data, number); };
}

TransferJob *DeviceTransfers::readProgram(int number, QObject *parent)
{
    return logWhenFinished(makeProgramRead({m_memory, m_data, m_storePath}, number, parent), m_log,
                           m_log.newEntry(LogOperation::ReadProgram, programNumberLabel(number)), programFingerprint(number));
}

TransferJob *DeviceTransfers::sendProgram(int number, QObject *parent)
{
    return logWhenFinished(makeProgramSend({m_memory, m_data, m_storePath}, number, parent), m_log,
                           m_log.newEntry(LogOperation::SendProgram, programNumberLabel(number)), programFingerprint(number));
}

TransferJob *DeviceTransfers::readReagent(int number, QObject *parent)
{
    return logWhenFinished(makeReagentRead({m_memory, m_data, m_storePath}, number, parent), m_log,
                           m_log.newEntry(LogOperation::ReadReagent, reagentNumberLabel(number)), reagentFingerprint(number));
}

TransferJob *DeviceTransfers::sendReagent(int number, QObject *parent)
{
    return logWhenFinished(makeReagentSend({m_memory, m_data, m_storePath}, number, parent), m_log,
                           m_log.newEntry(LogOperation::SendReagent, reagentNumberLabel(number)), reagentFingerprint(number));
}

TransferJob *DeviceTransfers::readAllReagents(QObject *parent)
{
    return logWhenFinished(makeReadAll({m_memory, m_data, m_storePath}, parent), m_log,
                           m_log.newEntry(LogOperation::ReadAll, QStringLiteral("Reagent 001-200")),
                           [this] { return partFingerprint(m_data, {1, 0, true}); },
                           [](TransferLogEntry &entry, const TransferOutcome &outcome) {
                               // A Read ALL that ends early covers the reagents it read.
                               if (outcome.status == TransferOutcome::Status::Done)
                                   return;
                               entry.covered = outcome.reagentsRead > 0
                                   ? QStringLiteral("Reagent 001-%1").arg(zeroPadded(outcome.reagentsRead, 3))
                                   : QString();
                               if (entry.message.isEmpty())
                                   entry.message = outcome.reagentsRead > 0
                                       ? TransferText::tr("Stopped after %1; the reagents read were saved.")
                                             .arg(reagentNumberLabel(outcome.reagentsRead))
                                       : TransferText::tr("Stopped before the first reagent.");
                           });
}

} // namespace corvex
