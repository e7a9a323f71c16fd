#include "PrintDialogSeams.h"

#include "PdfFileSurface.h"
#include "PrinterSurface.h"
#include "PrintServiceSurface.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPrinter>

namespace corvex {

QString logoFileFilter()
{
    return QCoreApplication::translate("corvex::PrintDialog", 
                                       "All Picture Files (*.bmp *.jpg *.jpeg *.wmf *.emf *.gif *.png);;"
                                       "Bitmap File (*.bmp);;"
                                       "JPEG File (*.jpg *.jpeg);;"
                                       "Windows Meta File (*.wmf);;"
                                       "Enhanced Meta File (*.emf);;"
                                       "GIF File (*.gif);;"
                                       "PNG File (*.png)");
}

PrintDialogSeams PrintDialogSeams::system()
{
    PrintDialogSeams seams;
    seams.showMessage = [](QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text) {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.exec();
    };
    seams.chooseLogoFile = [](QWidget *parent) {
        // Only existing files can be chosen in an open dialog.
        return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("corvex::PrintDialog", "Open Logo..."), QString(),
                                            logoFileFilter());
    };
    seams.openSurface = [](QPrinter &printer) -> std::shared_ptr<PrintSurface> {
        // A printer of the print service is handed whole, checked jobs; the
        // others (a PDF file) are drawn on directly.
        if (printer.outputFormat() == QPrinter::NativeFormat)
            return std::make_shared<PrintServiceSurface>(printer);
        if (!printer.outputFileName().isEmpty())
            return std::make_shared<PdfFileSurface>(printer);
        return std::make_shared<PrinterSurface>(printer);
    };
    seams.now = [] { return QDateTime::currentDateTime(); };
    return seams;
}

} // namespace corvex
