#pragma once

#include "InstrumentData.h"

#include <QString>

namespace corvex {

// Adds the line of an import into program `number` (LogOperation::programImport)
// or an export of it (LogOperation::programExport) to the transfer log; `failure`
// is empty when it was done.
void logProgramFile(const QString &operation, int number, const QString &file, const InstrumentData &data,
                    const QString &failure);

} // namespace corvex
