#include "PdfPrint.h"

#include "PdfFileSurface.h"
#include "PrintLayout.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>

void SetUpPdfPrinter(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCreator(QStringLiteral("Corvex Utility"));
    printer.setDocName(QFileInfo(file).completeBaseName());
}

PrintResult PrintToPdfFile(const InstrumentData &data, const PrintRequest &request, const QString &file)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, file);
    printer.setDocName(PrintJobTitle(request));
    PdfFileSurface surface(printer);
    return RunPrintLayout(data, request, surface);
}
