#pragma once

#include "PrintTextStyle.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace corvex {

// What a print run draws on. Positions are twips (1/1440 inch) from the
// top-left corner of the printable area, y growing downwards. The job starts
// with the first call; operations that return false have failed and end the
// run, except printText, whose failures the run ignores.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    // The printer's integer drawing mode (raster operation code, 1..16), set
    // once before any output.
    virtual bool setDrawingMode(int mode) = 0;

    // Prints `text` with the top-left corner of its first character cell at
    // `topLeft`.
    virtual bool printText(QPointF topLeft, const QString &text, const PrintTextStyle &style) = 0;
    virtual bool drawLine(const QLineF &line, const QColor &colour) = 0;
    // Draws the picture scaled into `target`.
    virtual bool drawPicture(const QRectF &target, const QImage &picture) = 0;
    virtual bool newPage() = 0;

    // Ends the job and hands it over (to the printer, or the finished file).
    virtual bool endJob() = 0;
    // Drops a job that a failure stopped half-way, so that nothing incomplete
    // is printed or left behind.
    virtual void discardJob() = 0;

    // Why the last operation failed, when the surface knows more than that it did.
    virtual QString failureDetail() const { return {}; }
};

} // namespace corvex
