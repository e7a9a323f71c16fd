#pragma once

#include "InstrumentData.h"
#include "PrintDialogSeams.h"

#include <QObject>
#include <QPointer>
#include <QPrinter>

class QWidget;

namespace corvex {

class PrintDialog;

// The print command of one window: its printer, kept as Print Setup leaves
// it while the window lives, and the print dialog kept hidden after a failed
// run, to be shown again as it was.
class PrintSession : public QObject
{
    Q_OBJECT

public:
    // Print runs are logged to `log`, which must outlive this.
    explicit PrintSession(TransferLog &log, QObject *parent = nullptr);
    ~PrintSession() override;

    // What the menu entry does: shows the dialog kept after a failed run, or
    // a new one, modally; returns when it is closed or hidden. Without a
    // printer in `seams`, the dialog sets up and prints on printer(); without
    // a log, it logs to this session's.
    void showModal(const InstrumentData &data, int currentProgram, QWidget *parent,
                   PrintDialogSeams seams = PrintDialogSeams::system());

    QPrinter &printer() { return m_printer; }

private:
    QPrinter m_printer{QPrinter::HighResolution};
    TransferLog &m_log;
    QPointer<PrintDialog> m_kept;
};

} // namespace corvex
