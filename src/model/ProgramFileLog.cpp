#include "ProgramFileLog.h"

#include "ListTexts.h"
#include "StoreSections.h"
#include "TransferLog.h"

namespace corvex {

void logProgramFile(TransferLog &log, LogOperation operation, int number, const QString &file, const InstrumentData &data,
                    const QString &failure)
{
    const QString direction = operation == LogOperation::ProgramImport ? QStringLiteral("from") : QStringLiteral("to");
    TransferLogEntry entry =
        log.newEntry(operation, QStringLiteral("%1 %2 %3").arg(programNumberLabel(number), direction, file), false);
    entry.result = logResultText(failure.isEmpty() ? LogResult::Done : LogResult::Failed);
    entry.message = failure;
    if (failure.isEmpty())
        entry.fingerprint = partFingerprint(data, {number, number, false});
    log.append(entry);
}

} // namespace corvex
