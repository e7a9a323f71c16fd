#include "print/SheetOrder.h"

#include "print/LogoLoader.h"
#include "print/PdfPrint.h"
#include "print/PrintLog.h"
#include "print/PrintLayout.h"
#include "print/PrintStamp.h"
#include "print/PrinterSurface.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

SheetOrderResult failed(const QString &message) { return {false, message}; }

QString describe(const PrintRequest &request)
{
    if (request.content == PrintRequest::Content::ReagentList)
        return QStringLiteral("The reagent list");
    const auto [first, last] = PrintRange(request);
    if (first == last)
        return QStringLiteral("Program%1").arg(first, 2, 10, QLatin1Char('0'));
    return QStringLiteral("Programs %1 to %2 (%3 pages)")
        .arg(first, 2, 10, QLatin1Char('0'))
        .arg(last, 2, 10, QLatin1Char('0'))
        .arg(last - first + 1);
}

PrintResult printOnDefaultPrinter(const InstrumentData &data, const PrintRequest &request, QString &printerName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return PrintResult::Failed(PrintResult::Failure::PrinterFailed, QStringLiteral("no printer is set up on this system"));
    printerName = info.printerName();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Corvex sheets"));
    PrinterSurface surface(printer);
    return RunPrintLayout(data, request, surface);
}

} // namespace

SheetOrderResult PrintSheetOrder(const InstrumentData &data, const SheetOrder &order)
{
    PrintRequest request;
    request.content = order.content;
    request.firstProgram = order.firstProgram;
    request.lastProgram = order.lastProgram;
    request.date = order.date;
    request.time = order.time;
    request.dateText = FooterDateText(order.moment);
    request.timeText = FooterTimeText(order.moment);
    request.comment = order.comment;
    if (!order.logoFile.isEmpty()) {
        const LogoLoad logo = LoadLogoPicture(order.logoFile);
        if (!logo.loaded())
            return failed(logo.message);
        request.logo = true;
        request.logoPicture = logo.picture;
    }

    QString destination;
    PrintResult result;
    if (order.pdfFile.isEmpty()) {
        result = printOnDefaultPrinter(data, request, destination);
        destination = QStringLiteral("the printer \"%1\"").arg(destination);
    } else {
        result = PrintToPdfFile(data, request, order.pdfFile);
        destination = QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(order.pdfFile));
    }
    LogPrintRun(data, request, destination, result);
    if (!result)
        return failed(PrinterErrorText() + QStringLiteral(" (") + result.detail + QStringLiteral(")"));
    return {true, QStringLiteral("%1 printed to %2.").arg(describe(request), destination)};
}
