#include "DeviceTransfers.h"

#include "ListTexts.h"
#include "StoreSections.h"
#include "JobLog.h"
#include "TransferJobs.h"

DeviceTransfers::DeviceTransfers(MemoryAccess &memory, InstrumentData &data, QString storePath)
    : m_memory(memory)
    , m_data(data)
    , m_storePath(std::move(storePath))
{
}

std::function<QString()> DeviceTransfers::programFingerprint(int number) const
{
    return [this, number] { return PartFingerprint(m_data, {number, number, false}); };
}

std::function<QString()> DeviceTransfers::reagentFingerprint(int number) const
{
    return [this, number] { return ReagentFingerprint(m_data, number); };
}

TransferJob *DeviceTransfers::readProgram(int number, QObject *parent)
{
    return LogWhenFinished(MakeProgramRead({m_memory, m_data, m_storePath}, number, parent),
                           NewLogEntry(LogOperation::ReadProgram, ProgramNumberLabel(number)), programFingerprint(number));
}

TransferJob *DeviceTransfers::sendProgram(int number, QObject *parent)
{
    return LogWhenFinished(MakeProgramSend({m_memory, m_data, m_storePath}, number, parent),
                           NewLogEntry(LogOperation::SendProgram, ProgramNumberLabel(number)), programFingerprint(number));
}

TransferJob *DeviceTransfers::readReagent(int number, QObject *parent)
{
    return LogWhenFinished(MakeReagentRead({m_memory, m_data, m_storePath}, number, parent),
                           NewLogEntry(LogOperation::ReadReagent, ReagentNumberLabel(number)), reagentFingerprint(number));
}

TransferJob *DeviceTransfers::sendReagent(int number, QObject *parent)
{
    return LogWhenFinished(MakeReagentSend({m_memory, m_data, m_storePath}, number, parent),
                           NewLogEntry(LogOperation::SendReagent, ReagentNumberLabel(number)), reagentFingerprint(number));
}

TransferJob *DeviceTransfers::readAllReagents(QObject *parent)
{
    return LogWhenFinished(MakeReadAll({m_memory, m_data, m_storePath}, parent),
                           NewLogEntry(LogOperation::ReadAll, QStringLiteral("Reagent 001-200")),
                           [this] { return PartFingerprint(m_data, {1, 0, true}); });
}
