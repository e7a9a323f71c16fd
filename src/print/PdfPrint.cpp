#include "print/PdfPrint.h"

#include "print/PrintLayout.h"
#include "print/PrinterSurface.h"

#include "model/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>

namespace {

// A PDF is whole when it ends with its trailer and the cross-reference table
// the trailer points at is where it says: a file cut short, or one with a
// piece missing in between, fails one or the other.
bool isCompletePdf(const QByteArray &bytes)
{
    QByteArrayView tail = QByteArrayView(bytes).last(std::min<qsizetype>(bytes.size(), 64)).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype start = tail.lastIndexOf("startxref");
    if (start < 0)
        return false;
    bool ok = false;
    const qsizetype offset = tail.sliced(start + 9).chopped(5).trimmed().toLongLong(&ok);
    return ok && offset >= 0 && offset < bytes.size() && QByteArrayView(bytes).sliced(offset).startsWith("xref");
}

} // namespace

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
    const QString target = QFileInfo(file).absoluteFilePath();
    PrintResult result;
    const auto compose = [&](const QString &scratch) {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, scratch);
        printer.setDocName(PrintJobTitle(request));
        PrinterSurface surface(printer);
        result = RunPrintLayout(data, request, surface);
        return result ? StoreResult::Done() : StoreResult::Failed(result.detail);
    };
    const StoreResult written = ComposeWholeFile(target, compose, isCompletePdf);
    // A job that failed while composing keeps its own failure.
    if (result && !written)
        return PrintResult::Failed(PrintResult::Failure::PrinterFailed, written.error);
    return result;
}
