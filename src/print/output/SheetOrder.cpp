#include "SheetOrder.h"

#include "LogoLoader.h"
#include "NumberText.h"
#include "PdfPrint.h"
#include "PrintLayout.h"
#include "PrintLog.h"
#include "PrintService.h"
#include "PrintServiceSurface.h"
#include "PrintStamp.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace corvex {

namespace {

SheetOrderResult failed(const QString &message) { return {false, message}; }

QString describe(const PrintRequest &request)
{
    if (request.content == PrintRequest::Content::ReagentList)
        return QStringLiteral("The reagent list");
    const auto [first, last] = printRange(request);
    if (first == last)
        return QStringLiteral("Program%1").arg(zeroPadded(first, 2));
    return QStringLiteral("Programs %1 to %2 (%3 pages)")
        .arg(zeroPadded(first, 2))
        .arg(zeroPadded(last, 2))
        .arg(last - first + 1);
}

PrintResult printOnPrintService(const InstrumentData &data, const PrintRequest &request, QString &queue)
{
    if (queue.isEmpty()) {
        QString problem;
        queue = PrintService::defaultQueue(problem);
        if (queue.isEmpty())
            return PrintResult::failed(PrintResult::Failure::PrinterFailed, problem);
    }
    // The page layout the queue's printer gives a new job (paper, margins);
    // A4 when Qt does not know the queue, which the submission then reports.
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (!info.isNull())
        layout = QPrinter(info, QPrinter::HighResolution).pageLayout();
    PrintServiceSurface surface(queue, printJobTitle(request), layout);
    return runPrintLayout(data, request, surface);
}

} // namespace

SheetOrderResult printSheetOrder(const InstrumentData &data, const SheetOrder &order, TransferLog &log)
{
    PrintRequest request;
    request.content = order.content;
    request.firstProgram = order.firstProgram;
    request.lastProgram = order.lastProgram;
    request.date = order.date;
    request.time = order.time;
    request.dateText = footerDateText(order.moment);
    request.timeText = footerTimeText(order.moment);
    request.comment = order.comment;
    if (!order.logoFile.isEmpty()) {
        const LogoLoad logo = loadLogoPicture(order.logoFile);
        if (!logo.loaded())
            return failed(logo.message);
        request.logo = true;
        request.logoPicture = logo.picture;
    }

    QString destination;
    PrintResult result;
    if (order.pdfFile.isEmpty()) {
        destination = order.printer;
        result = printOnPrintService(data, request, destination);
        destination = PrintService::printerText(destination);
    } else {
        result = printToPdfFile(data, request, order.pdfFile);
        destination = QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(order.pdfFile));
    }
    logPrintRun(log, data, request, destination, result);
    if (!result)
        return failed(printerErrorText() + QStringLiteral(" (") + result.detail + QStringLiteral(")"));
    return {true, QStringLiteral("%1 printed to %2.").arg(describe(request), destination)};
}

} // namespace corvex
