#include "DeviceConnection.h"
#include "ListTexts.h"
#include "LocalStore.h"
#include "PortWatcher.h"
#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "Startup.h"
#include "StoreLock.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

using namespace corvex;

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
    const QString storePath = defaultStorePath();
    // Held for the whole run: one utility per store.
    StoreLock storeLock(storePath);
    if (!storeLock.tryLock()) {
        QMessageBox::critical(nullptr, utilityTitle(), storeLock.error());
        return 1;
    }
    PortWatcher watcher;
    connection.watchWhileNotConnected(watcher);

    Startup startup({data, storePath, link, connection});
    QObject::connect(&startup, &Startup::shown, &app, [&app](MainWindow *window) {
        QObject::connect(window, &MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    startup.start();
    return app.exec();
}
