#pragma once

#include "PrintService.h"
#include "PrintSurface.h"

#include <QPrinter>
#include <QTemporaryFile>

#include <memory>

namespace corvex {

class PrinterSurface;

// Prints on a queue of the system's print service. The job is composed as a
// PDF in a private temporary file with the page layout of the chosen printer
// and handed to the print service only when it is complete, with every
// answer checked: a queue that is gone or does not accept jobs, or a print
// service that cannot be reached, fails the run instead of losing the job
// unseen. A job discarded on the way never reaches the queue.
class PrintServiceSurface : public PrintSurface
{
public:
    // A job for the queue `printer` names, with its page layout, copies,
    // duplex and the options its print dialog set; the job is named by the
    // printer's document name.
    explicit PrintServiceSurface(const QPrinter &printer);
    // A job named `title` for `queue`, on pages of `layout`, with the queue's
    // own defaults for everything else.
    PrintServiceSurface(const QString &queue, const QString &title, const QPageLayout &layout,
                        PrintService::JobOptions options = {});
    ~PrintServiceSurface() override;

    bool setDrawingMode(int mode) override;
    bool printText(QPointF topLeft, const QString &text, const PrintTextStyle &style) override;
    bool drawLine(const QLineF &line, const QColor &colour) override;
    bool drawPicture(const QRectF &target, const QImage &picture) override;
    bool newPage() override;
    bool endJob() override;
    void discardJob() override;
    QString failureDetail() const override { return m_problem; }

private:
    bool ensureStarted();
    bool failWith(const QString &problem);

    QString m_queue;
    QString m_title;
    PrintService::JobOptions m_options;
    QTemporaryFile m_document;
    QPrinter m_pdfPrinter{QPrinter::HighResolution};
    std::unique_ptr<PrinterSurface> m_pages;
    QString m_problem;
};

} // namespace corvex
