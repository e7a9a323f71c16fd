#include "transfer/DeviceTransfers.h"

#include "model/ListTexts.h"
#include "model/LocalStore.h"
#include "transfer/MemoryMap.h"
#include "transfer/TransferMessages.h"
#include "transfer/TransferSteps.h"

namespace {

using Status = TransferOutcome::Status;

TransferOutcome outcome(Status status, const QString &message = {})
{
    TransferOutcome result;
    result.status = status;
    result.message = message;
    return result;
}

QString failurePlace(const StepResult &step, bool writing)
{
    return QStringLiteral("at %1 %2.").arg(AddressText(step.failedAddress), FaultReason(step.fault, writing));
}

QString incompleteOnInstrument(const QString &what, const StepResult &step, int total)
{
    if (step.bytesMoved == 0 && step.fault == MemoryFault::NotConnected)
        return QStringLiteral("Nothing was sent.");
    return QStringLiteral("%1 on the Corvex may now be incomplete (%2 of %3 bytes confirmed); send it again when the "
                          "Corvex answers. The local store was not changed.")
        .arg(what)
        .arg(step.bytesMoved)
        .arg(total);
}

QString storeFailure(const QString &done, const StoreResult &saved)
{
    return QStringLiteral("%1, but the local store could not be saved: %2").arg(done, saved.error);
}

TransferOutcome refusedNumber(const QString &what, int number)
{
    return outcome(Status::Refused, QStringLiteral("There is no %1 %2.").arg(what).arg(number));
}

} // namespace

DeviceTransfers::DeviceTransfers(MemoryAccess &memory, InstrumentData &data, QString storePath)
    : m_memory(memory)
    , m_data(data)
    , m_storePath(std::move(storePath))
{
}

TransferOutcome DeviceTransfers::ReadProgram(int number, TransferObserver &observer)
{
    if (!ProgramTable::isValidNumber(number))
        return refusedNumber(QStringLiteral("program"), number);
    const QString label = ProgramNumberLabel(number);
    ProgramRecord program;
    const StepResult step = ReadProgramBytes(m_memory, number, observer, program);
    if (!step.ok()) {
        return outcome(Status::DeviceFailed,
                       QStringLiteral("%1 could not be read from the Corvex: %2\n%1 keeps its previous content.")
                           .arg(label, failurePlace(step, false)));
    }
    m_data.programs[number] = program;
    const StoreResult saved = SaveToStore(number, m_storePath, m_data);
    if (!saved)
        return outcome(Status::StoreFailed, storeFailure(QStringLiteral("%1 was read from the Corvex").arg(label), saved));
    return outcome(Status::Done);
}

TransferOutcome DeviceTransfers::SendProgram(int number, TransferObserver &observer)
{
    if (!ProgramTable::isValidNumber(number))
        return refusedNumber(QStringLiteral("program"), number);
    const QString label = ProgramNumberLabel(number);
    const ProgramRecord &program = m_data.programs[number];
    if (const auto problem = FindEncodingProblem(program)) {
        const QString where = problem->vial == 0 ? QString() : QStringLiteral(" of vial %1").arg(problem->vial, 2, 10, QLatin1Char('0'));
        return outcome(Status::Refused,
                       QStringLiteral("%1 cannot be sent: the value %2 of %3%4 cannot be stored on the Corvex. "
                                      "Nothing was sent.")
                           .arg(label)
                           .arg(problem->value)
                           .arg(QString::fromLatin1(problem->field), where));
    }
    const StepResult step = SendProgramBytes(m_memory, number, program, observer);
    if (!step.ok()) {
        return outcome(Status::DeviceFailed,
                       QStringLiteral("%1 could not be sent to the Corvex: %2\n%3")
                           .arg(label, failurePlace(step, true),
                                incompleteOnInstrument(label, step, MemoryMap::ProgramTransferBytes)));
    }
    const StoreResult saved = SaveToStore(number, m_storePath, m_data);
    if (!saved)
        return outcome(Status::StoreFailed, storeFailure(QStringLiteral("%1 was sent to the Corvex").arg(label), saved));
    return outcome(Status::Done);
}

TransferOutcome DeviceTransfers::ReadReagent(int number)
{
    if (!ReagentTable::isValidNumber(number))
        return refusedNumber(QStringLiteral("reagent"), number);
    const QString label = ReagentNumberLabel(number);
    QByteArray name;
    const StepResult step = ReadReagentBytes(m_memory, number, name);
    if (!step.ok()) {
        return outcome(Status::DeviceFailed,
                       QStringLiteral("%1 could not be read from the Corvex: %2\n%1 keeps its previous name.")
                           .arg(label, failurePlace(step, false)));
    }
    m_data.reagents[number] = name;
    return outcome(Status::Done);
}

TransferOutcome DeviceTransfers::SendReagent(int number)
{
    if (!ReagentTable::isValidNumber(number))
        return refusedNumber(QStringLiteral("reagent"), number);
    const QString label = ReagentNumberLabel(number);
    const StepResult step = SendReagentBytes(m_memory, number, m_data.reagents[number]);
    if (!step.ok()) {
        return outcome(Status::DeviceFailed,
                       QStringLiteral("%1 could not be sent to the Corvex: %2\n%3")
                           .arg(label, failurePlace(step, true),
                                incompleteOnInstrument(label, step, MemoryMap::ReagentEntrySize)));
    }
    const StoreResult saved = SaveToStore(0, m_storePath, m_data);
    if (!saved)
        return outcome(Status::StoreFailed, storeFailure(QStringLiteral("%1 was sent to the Corvex").arg(label), saved));
    return outcome(Status::Done);
}

TransferOutcome DeviceTransfers::ReadAllReagents(TransferObserver &observer)
{
    const ReadAllResult read = ReadAllReagentBytes(m_memory, m_data.reagents, observer);
    TransferOutcome result = outcome(read.stopped ? Status::Stopped : Status::Done);
    result.reagentsRead = read.reagentsRead;
    // The reagents read before a stop or failure are saved all the same.
    const StoreResult saved = read.reagentsRead == 0 ? StoreResult::Done() : SaveToStore(0, m_storePath, m_data);
    const QString storeProblem =
        saved ? QString() : storeFailure(QStringLiteral("%1 reagents were read from the Corvex").arg(read.reagentsRead), saved);

    if (read.step.ok()) {
        if (!saved) {
            result.status = Status::StoreFailed;
            result.message = storeProblem;
        }
        return result;
    }

    const int failed = read.reagentsRead + 1;
    const QString kept = read.reagentsRead == 0
        ? QStringLiteral("No reagent was read; all keep their previous names.")
        : QStringLiteral("%1 to %2 were %3; %4 and the ones after it keep their previous names.")
              .arg(ReagentNumberLabel(1), ReagentNumberLabel(read.reagentsRead),
                   saved ? QStringLiteral("read and saved") : QStringLiteral("read"), ReagentNumberLabel(failed));
    result.status = Status::DeviceFailed;
    result.message = QStringLiteral("Reading all reagents stopped at %1: %2\n%3")
                         .arg(ReagentNumberLabel(failed), failurePlace(read.step, false), kept);
    if (!saved)
        result.message += QLatin1Char('\n') + storeProblem;
    return result;
}
