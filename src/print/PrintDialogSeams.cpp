#include "print/PrintDialogSeams.h"

#include "print/PrinterSurface.h"

#include <QFileDialog>

QString LogoFileFilter()
{
    return QStringLiteral("All Picture Files (*.bmp *.jpg *.jpeg *.wmf *.emf *.gif *.png);;"
                          "Bitmap File (*.bmp);;"
                          "JPEG File (*.jpg *.jpeg);;"
                          "Windows Meta File (*.wmf);;"
                          "Enhanced Meta File (*.emf);;"
                          "GIF File (*.gif);;"
                          "PNG File (*.png)");
}

PrintDialogSeams PrintDialogSeams::System()
{
    PrintDialogSeams seams;
    seams.showMessage = [](QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text) {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.exec();
    };
    seams.chooseLogoFile = [](QWidget *parent) {
        // Only existing files can be chosen in an open dialog.
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Open Logo..."), QString(), LogoFileFilter());
    };
    seams.openSurface = [](QPrinter &printer) -> std::shared_ptr<PrintSurface> {
        return std::make_shared<PrinterSurface>(printer);
    };
    seams.now = [] { return QDateTime::currentDateTime(); };
    return seams;
}
