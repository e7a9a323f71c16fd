#pragma once

#include "PrinterSurface.h"

#include <QString>
#include <QTemporaryFile>

#include <memory>

namespace corvex {

// Draws a print run into the PDF file a QPrinter names, written whole or not
// at all: the pages go to a scratch file beside it, which must be a complete
// PDF when the job ends before it replaces the file (through the checked
// writer). Qt's PDF writer does not report a failed write; a full disk thus
// fails the job instead of leaving a cut-off file.
class PdfFileSurface : public PrintSurface
{
public:
    explicit PdfFileSurface(QPrinter &printer);
    ~PdfFileSurface() override;

    bool setDrawingMode(int mode) override;
    bool printText(QPointF topLeft, const QString &text, const PrintTextStyle &style) override;
    bool drawLine(const QLineF &line, const QColor &colour) override;
    bool drawPicture(const QRectF &target, const QImage &picture) override;
    bool newPage() override;
    bool endJob() override;
    void discardJob() override;
    QString failureDetail() const override { return m_failure; }

    // True for bytes that end with a PDF trailer whose cross-reference table
    // is where the trailer says.
    static bool isCompletePdf(const QByteArray &bytes);

private:
    bool fail(const QString &detail);

    QPrinter &m_printer;
    QString m_target;
    QTemporaryFile m_scratch;
    std::unique_ptr<PrinterSurface> m_pages; // on the scratch file
    QString m_failure;
};

} // namespace corvex
