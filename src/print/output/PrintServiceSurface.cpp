#include "PrintServiceSurface.h"

#include "PdfFileSurface.h"
#include "PrinterSurface.h"

#include <QDir>
#include <QFile>
#include <QPrintEngine>

namespace corvex {

namespace {

// Where Qt's print dialog leaves the print service options it set (pairs of
// option name and value) on the printer's engine.
constexpr auto serviceOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

PrintService::JobOptions jobOptions(const QPrinter &printer)
{
    PrintService::JobOptions options;
    const auto add = [&options](const QByteArray &name, const QByteArray &value) { options.append({name, value}); };
    add("media", printer.pageLayout().pageSize().key().toUtf8());
    if (printer.copyCount() > 1) {
        add("copies", QByteArray::number(printer.copyCount()));
        if (printer.collateCopies())
            add("Collate", "True");
    }
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide:
        add("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        add("sides", "two-sided-short-edge");
        break;
    case QPrinter::DuplexNone:
        add("sides", "one-sided");
        break;
    case QPrinter::DuplexAuto:
        break;
    }
    if (QPrintEngine *engine = printer.printEngine()) {
        const QStringList chosen = engine->property(serviceOptionsKey).toStringList();
        for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
            add(chosen[i].toUtf8(), chosen[i + 1].toUtf8());
    }
    return options;
}

// Qt's PDF writer does not report a failed write (a full disk).
bool isCompletePdf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && PdfFileSurface::isCompletePdf(file.readAll());
}

} // namespace

PrintServiceSurface::PrintServiceSurface(const QPrinter &printer)
    : PrintServiceSurface(printer.printerName(), printer.docName(), printer.pageLayout(), jobOptions(printer))
{
}

PrintServiceSurface::PrintServiceSurface(const QString &queue, const QString &title, const QPageLayout &layout,
                                         PrintService::JobOptions options)
    : m_queue(queue), m_title(title), m_options(std::move(options)),
      m_document(QDir::temp().filePath(QStringLiteral("corvex-print-XXXXXX.pdf")))
{
    m_pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
    m_pdfPrinter.setPageLayout(layout);
    m_pdfPrinter.setCreator(QStringLiteral("Corvex Utility"));
    m_pdfPrinter.setDocName(title);
}

PrintServiceSurface::~PrintServiceSurface() = default;

bool PrintServiceSurface::failWith(const QString &problem)
{
    if (m_problem.isEmpty())
        m_problem = problem;
    return false;
}

bool PrintServiceSurface::ensureStarted()
{
    if (!m_problem.isEmpty())
        return false;
    if (m_pages)
        return true;
    // Asked first, so that a queue known not to print is reported before
    // anything is composed.
    const QString problem = PrintService::queueProblem(m_queue);
    if (!problem.isEmpty())
        return failWith(problem);
    if (!m_document.open())
        return failWith(QStringLiteral("cannot compose the job in %1: %2")
                            .arg(QDir::toNativeSeparators(QDir::tempPath()), m_document.errorString()));
    m_document.close();
    m_pdfPrinter.setOutputFileName(m_document.fileName());
    m_pages = std::make_unique<PrinterSurface>(m_pdfPrinter);
    return true;
}

bool PrintServiceSurface::setDrawingMode(int mode)
{
    return ensureStarted() && m_pages->setDrawingMode(mode);
}

bool PrintServiceSurface::printText(QPointF topLeft, const QString &text, const PrintTextStyle &style)
{
    return ensureStarted() && m_pages->printText(topLeft, text, style);
}

bool PrintServiceSurface::drawLine(const QLineF &line, const QColor &colour)
{
    return ensureStarted() && m_pages->drawLine(line, colour);
}

bool PrintServiceSurface::drawPicture(const QRectF &target, const QImage &picture)
{
    return ensureStarted() && m_pages->drawPicture(target, picture);
}

bool PrintServiceSurface::newPage()
{
    return ensureStarted() && m_pages->newPage();
}

bool PrintServiceSurface::endJob()
{
    if (!ensureStarted())
        return false;
    if (!m_pages->endJob() || !isCompletePdf(m_document.fileName()))
        return failWith(QStringLiteral("cannot compose the job in %1").arg(QDir::toNativeSeparators(m_document.fileName())));
    const QString problem = PrintService::submitPdf(m_queue, m_document.fileName(), m_title, m_options);
    return problem.isEmpty() || failWith(problem);
}

void PrintServiceSurface::discardJob()
{
    if (m_pages)
        m_pages->discardJob();
}

} // namespace corvex
