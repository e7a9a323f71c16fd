#pragma once

#include "BackupFile.h"
#include "DeviceConnection.h"
#include "LocalStore.h"
#include "MainWindow.h"
#include "PortTable.h"
#include "PortWatcher.h"
#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QSignalSpy>

#include <chrono>
#include <memory>

namespace corvex {

// Everything a main window needs, real and wired as main() wires it, but in
// temporary folders: per-user settings, the store, and ports that lead
// nowhere unless a test points one at a simulator. Transfers tick every few
// milliseconds instead of every second; identification (the search, the
// watcher's probes) ticks a little slower, so that a simulator slowed down by
// a busy machine is still found; the watcher looks for a new instrument every
// few tens of milliseconds.
struct AppFixture
{
    AppFixture()
    {
        connection.setTickInterval(std::chrono::milliseconds(50));
        link.setTickInterval(std::chrono::milliseconds(5));
        watcher.setTickInterval(std::chrono::milliseconds(50));
        watcher.setInterval(std::chrono::milliseconds(30));
        connection.watchWhileNotConnected(watcher);
        for (int port = firstPort; port <= lastPort; ++port)
            setPortDeviceOverride(port, folders.path() + QStringLiteral("/absent-COM%1").arg(port));
    }

    MainWindow::Parts parts() { return {data, storePath, link, connection}; }

    // The main window as start-up leaves it, without the notice.
    std::unique_ptr<MainWindow> loadWindow()
    {
        auto window = std::make_unique<MainWindow>(parts());
        QSignalSpy loaded(window.get(), &MainWindow::loaded);
        window->load();
        if (!loaded.wait(20'000))
            qWarning("the main window did not finish loading");
        window->show();
        return window;
    }

    IsolatedUserFolders folders;
    QString storePath = folders.path() + QStringLiteral("/store/CORVEX.ini");
    bool storeFolderMade = QDir().mkpath(folders.path() + QStringLiteral("/store"));
    InstrumentData data;
    SerialDevicePort port;
    SerialLink link{port};
    DeviceConnection connection{link};
    PortWatcher watcher;
};

} // namespace corvex
