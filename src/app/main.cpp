#include "app/Startup.h"
#include "link/DeviceConnection.h"
#include "link/SerialDevicePort.h"
#include "link/SerialLink.h"
#include "model/LocalStore.h"
#include "model/StoreLock.h"
#include "transfer/DeviceTransfers.h"
#include "transfer/LinkMemory.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("CORVEX"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVEX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("corvex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvex.png")));

    InstrumentData data;
    SerialDevicePort port;
    SerialLink link(port);
    DeviceConnection connection(link);
    LinkMemory memory(link);
    const QString storePath = DefaultStorePath();
    // Held for the whole run: one utility per store.
    StoreLock storeLock(storePath);
    if (!storeLock.tryLock()) {
        QMessageBox::critical(nullptr, QStringLiteral("Varnel Corvex"), storeLock.error());
        return 1;
    }
    DeviceTransfers transfers(memory, data, storePath);

    const std::unique_ptr<MainWindow> window = StartMainWindow({data, storePath, link, connection, transfers});
    QObject::connect(window.get(), &MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    return app.exec();
}
