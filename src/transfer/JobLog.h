#pragma once

#include "TransferJob.h"
#include "TransferLog.h"

#include <functional>

namespace corvex {

// Done, Stopped or Failed (refused, failed on the line, or not saved).
LogResult logResult(const TransferOutcome &outcome);

// Appends `entry` to the transfer log when the job finishes, with the
// result, its message and, when done, the fingerprint `fingerprint` gives
// then (after a read: of the content read). Returns the job.
TransferJob *logWhenFinished(TransferJob *job, TransferLogEntry entry, std::function<QString()> fingerprint = {});

} // namespace corvex
