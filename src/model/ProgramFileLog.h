#pragma once

#include "InstrumentData.h"
#include "TransferLog.h"

#include <QString>

namespace corvex {

// Adds the line of an import into program `number` (LogOperation::programImport)
// or an export of it (LogOperation::programExport) to `log`; `failure` is
// empty when it was done.
void logProgramFile(TransferLog &log, const QString &operation, int number, const QString &file, const InstrumentData &data,
                    const QString &failure);

} // namespace corvex
