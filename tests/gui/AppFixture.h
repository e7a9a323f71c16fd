#pragma once

#include "app/MainWindow.h"
#include "link/DeviceConnection.h"
#include "link/PortTable.h"
#include "link/SerialDevicePort.h"
#include "link/SerialLink.h"
#include "support/TestEnvironment.h"
#include "transfer/DeviceTransfers.h"
#include "transfer/LinkMemory.h"

#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

// Everything a main window needs, real and wired as main() wires it, but in
// temporary folders: per-user settings, the store, and ports that lead
// nowhere unless a test points one at a simulator. Time-outs tick every few
// milliseconds instead of every second.
struct AppFixture
{
    AppFixture()
    {
        link.setTickInterval(std::chrono::milliseconds(5));
        for (int port = FirstPort; port <= LastPort; ++port)
            SetPortDeviceOverride(port, folders.path() + QStringLiteral("/absent-COM%1").arg(port));
    }

    MainWindow::Parts parts() { return {data, storePath, link, connection, transfers}; }

    std::unique_ptr<MainWindow> makeWindow()
    {
        auto window = std::make_unique<MainWindow>(parts());
        return window;
    }

    IsolatedUserFolders folders;
    QString storePath = folders.path() + QStringLiteral("/store/CORVEX.ini");
    bool storeFolderMade = QDir().mkpath(folders.path() + QStringLiteral("/store"));
    InstrumentData data;
    SerialDevicePort port;
    SerialLink link{port};
    DeviceConnection connection{link};
    LinkMemory memory{link};
    DeviceTransfers transfers{memory, data, storePath};
};
