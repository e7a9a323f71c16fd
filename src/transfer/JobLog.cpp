#include "JobLog.h"

namespace corvex {

QString logResultText(const TransferOutcome &outcome)
{
    switch (outcome.status) {
    case TransferOutcome::Status::Done:
        return LogResult::done;
    case TransferOutcome::Status::Stopped:
        return LogResult::stopped;
    default:
        return LogResult::failed;
    }
}

TransferJob *logWhenFinished(TransferJob *job, TransferLog &log, TransferLogEntry entry, std::function<QString()> fingerprint)
{
    QObject::connect(job, &TransferJob::finished, job,
                     [&log, entry = std::move(entry), fingerprint = std::move(fingerprint)](const TransferOutcome &outcome) mutable {
                         entry.time = QDateTime::currentDateTime();
                         entry.result = logResultText(outcome);
                         entry.message = outcome.message;
                         if (outcome.status == TransferOutcome::Status::Done && fingerprint)
                             entry.fingerprint = fingerprint();
                         log.append(entry);
                     });
    return job;
}

} // namespace corvex
