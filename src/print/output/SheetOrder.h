#pragma once

#include "InstrumentData.h"
#include "PrintRequest.h"
#include "TransferLog.h"

#include <QDateTime>
#include <QString>

namespace corvex {

// Sheets ordered without the dialog, as from the command line: the reagent
// list or a program range, into a PDF file or on a queue of the system's
// print service.
struct SheetOrder
{
    PrintRequest::Content content = PrintRequest::Content::Programs;
    QString firstProgram = QStringLiteral("1");
    QString lastProgram = QStringLiteral("1");
    QString pdfFile;  // empty: a printer
    QString printer;  // the print service's queue; empty: the default printer
    QString logoFile; // empty: no logo
    bool date = false;
    bool time = false;
    QString comment;
    QDateTime moment; // the date and time printed in the footer
};

struct SheetOrderResult
{
    bool ok = false;
    QString message; // what was printed where, or why nothing was
};

// Prints the order and adds its line to `log`.
SheetOrderResult printSheetOrder(const InstrumentData &data, const SheetOrder &order, TransferLog &log);

} // namespace corvex
