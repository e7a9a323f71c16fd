#include "Startup.h"

#include "LoadWindow.h"
#include "StartupNotice.h"

namespace corvex {

Startup::Startup(MainWindow::Parts parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
}

Startup::~Startup() = default;

void Startup::start()
{
    showStartupNotice();
    load();
}

void Startup::load()
{
    m_loading = std::make_unique<LoadWindow>();
    m_loading->show();
    m_window = std::make_unique<MainWindow>(m_parts);
    connect(m_window.get(), &MainWindow::loadStepDone, m_loading.get(), &LoadWindow::step);
    MainWindow *window = m_window.get();
    connect(window, &MainWindow::loaded, this, [this, window] {
        // Shown first, so that there is always a window: the application
        // ends when its last window has gone.
        window->show();
        m_loading.reset();
        emit shown(window);
    });
    // From the event loop, once the start-up window has been drawn.
    QMetaObject::invokeMethod(m_window.get(), &MainWindow::load, Qt::QueuedConnection);
}

} // namespace corvex
