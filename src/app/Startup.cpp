#include "app/Startup.h"

#include "ui/LoadWindow.h"
#include "ui/StartupNotice.h"

#include <QCoreApplication>

std::unique_ptr<MainWindow> StartMainWindow(MainWindow::Parts parts)
{
    ShowStartupNotice();
    return LoadMainWindow(parts);
}

std::unique_ptr<MainWindow> LoadMainWindow(MainWindow::Parts parts)
{
    auto loading = std::make_unique<LoadWindow>();
    loading->show();
    QCoreApplication::processEvents();

    auto window = std::make_unique<MainWindow>(parts);
    window->load([&loading] { loading->step(); });

    loading.reset();
    window->show();
    return window;
}
