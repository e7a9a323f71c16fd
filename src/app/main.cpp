#include "DeviceConnection.h"
#include "ListTexts.h"
#include "LocalStore.h"
#include "PortWatcher.h"
#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "Startup.h"
#include "StopSignals.h"
#include "StoreLock.h"
#include "Translations.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>

#include <csignal>

using namespace corvex;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("CORVEX"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVEX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("corvex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvex.png")));
    installTranslations(app, chosenLanguage(QCoreApplication::arguments()));

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
    QPointer<MainWindow> mainWindow;
    QObject::connect(&startup, &Startup::shown, &app, [&app, &mainWindow](MainWindow *window) {
        mainWindow = window;
        QObject::connect(window, &MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    // A logout or kill closes the window as the user would: a transfer
    // under way ends as it does on close.
    StopSignals endSignals({SIGTERM, SIGHUP});
    QObject::connect(&endSignals, &StopSignals::received, &app, [&mainWindow](int signalNumber) {
        if (mainWindow) {
            mainWindow->close();
            return;
        }
        // Before the main window is up nothing is under way (and a modal
        // notice may hold the start-up): end as the signal does by default.
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
    });
    startup.start();
    return app.exec();
}
