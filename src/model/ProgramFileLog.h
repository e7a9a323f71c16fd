#pragma once

#include "InstrumentData.h"
#include "TransferLog.h"

#include <QString>

namespace corvex {

// Adds the line of an import into program `number` (LogOperation::ProgramImport)
// or an export of it (LogOperation::ProgramExport) to `log`; `failure` is
// empty when it was done.
void logProgramFile(TransferLog &log, LogOperation operation, int number, const QString &file, const InstrumentData &data,
                    const QString &failure);

} // namespace corvex
