#include "PrintLog.h"

#include "NumberText.h"
#include "StoreSections.h"
#include "TransferLog.h"

void LogPrintRun(const InstrumentData &data, const PrintRequest &request, const QString &destination,
                 const PrintResult &result)
{
    StorePart part{1, 0, true};
    if (request.content == PrintRequest::Content::Programs) {
        // The range as the run takes it.
        const int first = ClampNumber(request.firstProgram, 1, ProgramCount);
        part = {first, ClampNumber(request.lastProgram, first, ProgramCount), false};
    }
    const QString what = part.reagents ? QStringLiteral("reagent list") : part.description();
    TransferLogEntry entry = NewLogEntry(LogOperation::Print, QStringLiteral("%1 to %2").arg(what, destination), false);
    entry.result = result ? LogResult::Done : LogResult::Failed;
    entry.message = result.detail;
    if (result)
        entry.fingerprint = PartFingerprint(data, part);
    LogTransfer(entry);
}
