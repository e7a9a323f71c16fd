#pragma once

#include "InstrumentData.h"
#include "PrintRequest.h"
#include "PrintResult.h"

#include <QString>

class QPrinter;

namespace corvex {

// A PDF printer at 1200 dpi on A4, for sheets archived as files.
void setUpPdfPrinter(QPrinter &printer, const QString &file);

// Runs the print layout into a PDF file. The file is composed beside the
// target and put in its place only when the job is complete, so a failed run
// leaves the target as it was.
PrintResult printToPdfFile(const InstrumentData &data, const PrintRequest &request, const QString &file);

} // namespace corvex
