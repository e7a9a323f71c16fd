#include "JobLog.h"

namespace corvex {

LogResult logResult(const TransferOutcome &outcome)
{
    switch (outcome.status) {
    case TransferOutcome::Status::Done:
        return LogResult::Done;
    case TransferOutcome::Status::Stopped:
        return LogResult::Stopped;
    default:
        return LogResult::Failed;
    }
}

TransferJob *logWhenFinished(TransferJob *job, TransferLog &log, TransferLogEntry entry, std::function<QString()> fingerprint,
                             LogAdjustment adjust)
{
    QObject::connect(job, &TransferJob::finished, job,
                     [&log, entry = std::move(entry), fingerprint = std::move(fingerprint),
                      adjust = std::move(adjust)](const TransferOutcome &outcome) mutable {
                         entry.time = QDateTime::currentDateTime();
                         entry.result = logResultText(logResult(outcome));
                         entry.message = outcome.message;
                         if (outcome.status == TransferOutcome::Status::Done && fingerprint)
                             entry.fingerprint = fingerprint();
                         if (adjust)
                             adjust(entry, outcome);
                         log.append(entry);
                     });
    return job;
}

} // namespace corvex
