#pragma once

#include "TransferJob.h"
#include "TransferLog.h"

#include <functional>

namespace corvex {

// "done", "stopped" or "failed" (refused, failed on the line, or not saved).
QString logResultText(const TransferOutcome &outcome);

// Appends `entry` to `log` when the job finishes, with the
// result, its message and, when done, the fingerprint `fingerprint` gives
// then (after a read: of the content read). Returns the job.
TransferJob *logWhenFinished(TransferJob *job, TransferLog &log, TransferLogEntry entry, std::function<QString()> fingerprint = {});

} // namespace corvex
