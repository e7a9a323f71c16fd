#pragma once

#include "PrintSurface.h"

#include <QPainter>

class QPrinter;

namespace corvex {

// Draws a print run on a QPrinter: a real printer through the system's print
// service, a PDF file, or the pages of a print preview. The painter works in
// twips from the top-left corner of the printable area, scaled from the
// printer's resolution. The job starts with the first operation.
class PrinterSurface : public PrintSurface
{
public:
    explicit PrinterSurface(QPrinter &printer);
    ~PrinterSurface() override;

    // Width of the ruled lines in twips (half a point).
    static constexpr double ruleWidth = 10;

    bool setDrawingMode(int mode) override;
    bool printText(QPointF topLeft, const QString &text, const PrintTextStyle &style) override;
    bool drawLine(const QLineF &line, const QColor &colour) override;
    bool drawPicture(const QRectF &target, const QImage &picture) override;
    bool newPage() override;
    bool endJob() override;
    void discardJob() override;

private:
    bool ensureStarted();

    QPrinter &m_printer;
    QPainter m_painter;
    bool m_started = false;
    bool m_finished = false;
};

} // namespace corvex
