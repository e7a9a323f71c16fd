#pragma once

#include "TransferJob.h"
#include "TransferLog.h"

#include <functional>

namespace corvex {

// Done, Stopped or Failed (refused, failed on the line, or not saved).
LogResult logResult(const TransferOutcome &outcome);

// Appends `entry` to `log` when the job finishes, with the
// result, its message and, when done, the fingerprint `fingerprint` gives
// then (after a read: of the content read); `adjust`, when given, then
// corrects the entry to what the outcome covered. Returns the job.
using LogAdjustment = std::function<void(TransferLogEntry &, const TransferOutcome &)>;
TransferJob *logWhenFinished(TransferJob *job, TransferLog &log, TransferLogEntry entry,
                             std::function<QString()> fingerprint = {}, LogAdjustment adjust = {});

} // namespace corvex
