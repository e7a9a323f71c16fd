#include "PrintLog.h"

#include "NumberText.h"
#include "StoreSections.h"
#include "TransferLog.h"

namespace corvex {

void logPrintRun(TransferLog &log, const InstrumentData &data, const PrintRequest &request, const QString &destination,
                 const PrintResult &result)
{
    StorePart part{1, 0, true};
    if (request.content == PrintRequest::Content::Programs) {
        // The range as the run takes it.
        const int first = clampNumber(request.firstProgram, 1, programCount);
        part = {first, clampNumber(request.lastProgram, first, programCount), false};
    }
    const QString what = part.reagents ? QStringLiteral("reagent list") : part.description();
    TransferLogEntry entry = log.newEntry(LogOperation::Print, QStringLiteral("%1 to %2").arg(what, destination), false);
    entry.result = logResultText(result ? LogResult::Done : LogResult::Failed);
    entry.message = result.detail;
    if (result)
        entry.fingerprint = partFingerprint(data, part);
    log.append(entry);
}

} // namespace corvex
