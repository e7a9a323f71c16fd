#pragma once

#include "InstrumentData.h"
#include "PrintRequest.h"
#include "PrintResult.h"
#include "TransferLog.h"

namespace corvex {

// Adds the line of a print run to `log`: what was printed
// (programs or the reagent list) to `destination` (a printer or a file), the
// result, and the fingerprint of the sections printed.
void logPrintRun(TransferLog &log, const InstrumentData &data, const PrintRequest &request, const QString &destination,
                 const PrintResult &result);

} // namespace corvex
