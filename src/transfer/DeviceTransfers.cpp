#include "transfer/DeviceTransfers.h"

#include "model/ListTexts.h"
#include "model/StoreSections.h"
#include "transfer/JobLog.h"
#include "transfer/TransferJobs.h"

#include <QEventLoop>

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
