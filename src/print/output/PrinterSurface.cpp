#include "PrinterSurface.h"

#include "TwipConversion.h"

#include <QFile>
#include <QFont>
#include <QPrinter>

namespace corvex {

namespace {

constexpr int twipsPerPoint = 20;

// The modes that leave black ink black on white paper. Vector output (PDF
// and the print service, which receives PDF) has no raster operations; the
// pen simply covers the paper, which is what these modes draw there.
bool drawsBlackOnWhite(int mode)
{
    constexpr int copyPen = 13, maskPen = 9, notXorPen = 10, mergePen = 15;
    return mode == copyPen || mode == maskPen || mode == notXorPen || mode == mergePen;
}

QFont fontFor(const PrintTextStyle &style)
{
    QFont font(style.face);
    // Under the twip scale a point size would be scaled twice; pixels are twips here.
    font.setPixelSize(style.points * twipsPerPoint);
    font.setBold(style.bold);
    font.setUnderline(style.titleEmphasis);
    font.setKerning(false);
    return font;
}

} // namespace

PrinterSurface::PrinterSurface(QPrinter &printer) : m_printer(printer) {}

PrinterSurface::~PrinterSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PrinterSurface::ensureStarted()
{
    if (m_finished)
        return false;
    if (m_started)
        return true;
    m_printer.setFullPage(false);
    if (!m_painter.begin(&m_printer))
        return false;
    m_started = true;
    const double scale = m_printer.resolution() / twipsPerInch;
    m_painter.scale(scale, scale);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    return true;
}

bool PrinterSurface::setDrawingMode(int mode)
{
    if (!ensureStarted())
        return false;
    if (drawsBlackOnWhite(mode))
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return true;
}

bool PrinterSurface::printText(QPointF topLeft, const QString &text, const PrintTextStyle &style)
{
    if (!ensureStarted())
        return false;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_painter.setFont(fontFor(style));
    m_painter.setPen(style.colour);
    // A cell as large as any sheet; the text is never wrapped, only cut at the page edge.
    constexpr double unbounded = 1e6;
    m_painter.drawText(QRectF(topLeft, QSizeF(unbounded, unbounded)), Qt::AlignTop | Qt::AlignLeft, lines);
    return true;
}

bool PrinterSurface::drawLine(const QLineF &line, const QColor &colour)
{
    if (!ensureStarted())
        return false;
    m_painter.setPen(QPen(colour, ruleWidth, Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(line);
    return true;
}

bool PrinterSurface::drawPicture(const QRectF &target, const QImage &picture)
{
    if (!ensureStarted() || picture.isNull())
        return false;
    m_painter.drawImage(target, picture);
    return true;
}

bool PrinterSurface::newPage()
{
    return ensureStarted() && m_printer.newPage();
}

bool PrinterSurface::endJob()
{
    if (!ensureStarted())
        return false;
    m_finished = true;
    return m_painter.end();
}

void PrinterSurface::discardJob()
{
    if (!m_painter.isActive())
        return;
    m_finished = true;
    // A PDF file would still be finished by end(), so that one is removed:
    // no half document that looks complete is left behind. A job for the
    // print service cannot be taken back once started.
    m_printer.abort();
    m_painter.end();
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
        QFile::remove(m_printer.outputFileName());
}

} // namespace corvex
