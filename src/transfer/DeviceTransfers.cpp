#include "transfer/DeviceTransfers.h"

#include "transfer/TransferJobs.h"

#include <QEventLoop>

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

namespace {

// Temporary: runs a job to its end in a local event loop, reporting to an
// observer as the blocking transfers did.
TransferOutcome runBlocking(TransferJob *job, TransferObserver *observer, bool countSteps)
{
    std::unique_ptr<TransferJob> owned(job);
    int maximum = -1;
    int done = 0;
    if (observer) {
        QObject::connect(job, &TransferJob::progress, job, [&](int now, int newMaximum) {
            if (newMaximum != maximum)
                observer->setMaximum(maximum = newMaximum);
            if (countSteps && now > done)
                observer->stepDone();
            done = now;
        });
        QObject::connect(job, &TransferJob::reagentDone, job, [observer, job](int reagent) {
            observer->reagentDone(reagent);
            if (observer->stopRequested())
                job->stop();
        });
    }
    QEventLoop loop;
    QObject::connect(job, &TransferJob::finished, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
    return job->outcome();
}

} // namespace

TransferOutcome DeviceTransfers::ReadProgram(int number, TransferObserver &observer)
{
    return runBlocking(readProgram(number), &observer, true);
}

TransferOutcome DeviceTransfers::SendProgram(int number, TransferObserver &observer)
{
    return runBlocking(sendProgram(number), &observer, true);
}

TransferOutcome DeviceTransfers::ReadReagent(int number)
{
    return runBlocking(readReagent(number), nullptr, false);
}

TransferOutcome DeviceTransfers::SendReagent(int number)
{
    return runBlocking(sendReagent(number), nullptr, false);
}

TransferOutcome DeviceTransfers::ReadAllReagents(TransferObserver &observer)
{
    return runBlocking(readAllReagents(), &observer, false);
}
