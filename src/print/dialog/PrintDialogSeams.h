#pragma once

#include "PrintSurface.h"
#include "TransferLog.h"

#include <QDateTime>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace corvex {

// The print dialog's contacts with the outside world: message boxes, the file
// dialog, the printer and the clock. The product uses System(); tests replace
// single members.
struct PrintDialogSeams
{
    std::function<void(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)> showMessage;
    // The chosen logo file, or an empty text when the user cancels.
    std::function<QString(QWidget *parent)> chooseLogoFile;
    // The surface a print run draws on, for the printer chosen in the dialog
    // (shared, so that a test can read what was drawn after the run).
    std::function<std::shared_ptr<PrintSurface>(QPrinter &printer)> openSurface;
    std::function<QDateTime()> now;
    // The printer the dialog sets up and prints on (PrintSession gives its
    // own, so a choice made in Print Setup is kept); without one the dialog
    // has a printer of its own with the default printer's settings.
    QPrinter *printer = nullptr;
    // Where a print run is logged; none when null.
    TransferLog *log = nullptr;

    static PrintDialogSeams system();
};

// The file dialog's filter list: every picture kind the logo can be, and each
// one by itself.
QString logoFileFilter();

} // namespace corvex
