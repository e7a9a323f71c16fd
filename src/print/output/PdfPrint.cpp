#include "PdfPrint.h"

#include "PdfFileSurface.h"
#include "PrintLayout.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>

namespace corvex {

void setUpPdfPrinter(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCreator(QStringLiteral("Corvex Utility"));
    printer.setDocName(QFileInfo(file).completeBaseName());
}

PrintResult printToPdfFile(const InstrumentData &data, const PrintRequest &request, const QString &file)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, file);
    printer.setDocName(printJobTitle(request));
    PdfFileSurface surface(printer);
    return runPrintLayout(data, request, surface);
}

} // namespace corvex
