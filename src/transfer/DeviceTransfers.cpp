#include "transfer/DeviceTransfers.h"

#include "transfer/TransferJobs.h"

DeviceTransfers::DeviceTransfers(MemoryAccess &memory, InstrumentData &data, QString storePath)
    : m_memory(memory)
    , m_data(data)
    , m_storePath(std::move(storePath))
{
}

TransferJob *DeviceTransfers::readProgram(int number, QObject *parent)
{
    return MakeProgramRead({m_memory, m_data, m_storePath}, number, parent);
}

TransferJob *DeviceTransfers::sendProgram(int number, QObject *parent)
{
    return MakeProgramSend({m_memory, m_data, m_storePath}, number, parent);
}

TransferJob *DeviceTransfers::readReagent(int number, QObject *parent)
{
    return MakeReagentRead({m_memory, m_data, m_storePath}, number, parent);
}

TransferJob *DeviceTransfers::sendReagent(int number, QObject *parent)
{
    return MakeReagentSend({m_memory, m_data, m_storePath}, number, parent);
}

TransferJob *DeviceTransfers::readAllReagents(QObject *parent)
{
    return MakeReadAll({m_memory, m_data, m_storePath}, parent);
}
