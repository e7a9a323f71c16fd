#include "PdfFileSurface.h"

#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace corvex {

PdfFileSurface::PdfFileSurface(QPrinter &printer)
    : m_printer(printer)
    , m_target(QFileInfo(printer.outputFileName()).absoluteFilePath())
    , m_scratch(QFileInfo(m_target).absoluteDir().filePath(
          QStringLiteral(".%1.XXXXXX.part").arg(QFileInfo(m_target).fileName())))
{
    if (!m_scratch.open()) {
        m_failure = QStringLiteral("Cannot write in \"%1\": %2. No file was changed.")
                        .arg(QDir::toNativeSeparators(QFileInfo(m_target).absolutePath()), m_scratch.errorString());
        return;
    }
    m_scratch.close();
    m_printer.setOutputFileName(m_scratch.fileName());
    m_pages = std::make_unique<PrinterSurface>(m_printer);
}

PdfFileSurface::~PdfFileSurface()
{
    m_pages.reset();
    m_printer.setOutputFileName(m_target); // the printer still names the user's file
}

bool PdfFileSurface::fail(const QString &detail)
{
    m_failure = detail;
    return false;
}

bool PdfFileSurface::setDrawingMode(int mode)
{
    return m_pages && m_pages->setDrawingMode(mode);
}

bool PdfFileSurface::printText(QPointF topLeft, const QString &text, const PrintTextStyle &style)
{
    return m_pages && m_pages->printText(topLeft, text, style);
}

bool PdfFileSurface::drawLine(const QLineF &line, const QColor &colour)
{
    return m_pages && m_pages->drawLine(line, colour);
}

bool PdfFileSurface::drawPicture(const QRectF &target, const QImage &picture)
{
    return m_pages && m_pages->drawPicture(target, picture);
}

bool PdfFileSurface::newPage()
{
    return m_pages && m_pages->newPage();
}

bool PdfFileSurface::endJob()
{
    if (!m_pages || !m_pages->endJob())
        return false;
    QFile composed(m_scratch.fileName());
    QByteArray bytes;
    if (composed.open(QIODevice::ReadOnly))
        bytes = composed.readAll();
    if (!isCompletePdf(bytes)) {
        return fail(QStringLiteral("Cannot write \"%1\": the file could not be written completely (is the disk full?). %2")
                        .arg(QDir::toNativeSeparators(m_target),
                             QFileInfo::exists(m_target) ? QStringLiteral("The file was left as it was.")
                                                         : QStringLiteral("No file was written.")));
    }
    const StoreResult written = writeWholeFile(m_target, bytes);
    return written || fail(written.error);
}

void PdfFileSurface::discardJob()
{
    if (m_pages)
        m_pages->discardJob();
}

bool PdfFileSurface::isCompletePdf(const QByteArray &bytes)
{
    // A file cut short loses its trailer; one with a piece missing in between
    // has its cross-reference table elsewhere than the trailer says.
    const QByteArrayView tail = QByteArrayView(bytes).last(std::min<qsizetype>(bytes.size(), 64)).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype start = tail.lastIndexOf("startxref");
    if (start < 0)
        return false;
    bool ok = false;
    const qsizetype offset = tail.sliced(start + 9).chopped(5).trimmed().toLongLong(&ok);
    return ok && offset >= 0 && offset < bytes.size() && QByteArrayView(bytes).sliced(offset).startsWith("xref");
}

} // namespace corvex
