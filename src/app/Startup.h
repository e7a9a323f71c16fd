#pragma once

#include "MainWindow.h"

#include <QObject>

#include <memory>

namespace corvex {

class LoadWindow;

// The start-up sequence: the notice (waits for OK), the start-up window with
// its progress bar while the main window loads step by step from the event
// loop, then the start-up window goes and the main window is shown.
class Startup : public QObject
{
    Q_OBJECT

public:
    explicit Startup(MainWindow::Parts parts, QObject *parent = nullptr);
    ~Startup() override;

    // The whole sequence, from the notice on.
    void start();
    // What follows the notice: the start-up window, the load, the main window shown.
    void load();

    MainWindow *window() const { return m_window.get(); }
    std::unique_ptr<MainWindow> takeWindow() { return std::move(m_window); }

Q_SIGNALS:
    // The main window is shown and the start-up window is gone.
    void shown(MainWindow *window);

private:
    MainWindow::Parts m_parts;
    std::unique_ptr<LoadWindow> m_loading;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace corvex
