#pragma once

#include "app/MainWindow.h"

#include <memory>

// The start-up sequence: the notice (waits for OK), the start-up window with
// its progress bar, the main window's load handler, then the start-up window
// goes and the main window is shown.
std::unique_ptr<MainWindow> StartMainWindow(MainWindow::Parts parts);

// What follows the notice: the start-up window, the load, the main window shown.
std::unique_ptr<MainWindow> LoadMainWindow(MainWindow::Parts parts);
