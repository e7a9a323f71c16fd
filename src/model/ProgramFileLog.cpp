#include "ProgramFileLog.h"

#include "ListTexts.h"
#include "StoreSections.h"
#include "TransferLog.h"

void LogProgramFile(const QString &operation, int number, const QString &file, const InstrumentData &data,
                    const QString &failure)
{
    const QString direction = operation == LogOperation::Import ? QStringLiteral("from") : QStringLiteral("to");
    TransferLogEntry entry =
        NewLogEntry(operation, QStringLiteral("%1 %2 %3").arg(ProgramNumberLabel(number), direction, file), false);
    entry.result = failure.isEmpty() ? LogResult::Done : LogResult::Failed;
    entry.message = failure;
    if (failure.isEmpty())
        entry.fingerprint = PartFingerprint(data, {number, number, false});
    LogTransfer(entry);
}
