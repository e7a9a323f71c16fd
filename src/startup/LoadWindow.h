#pragma once

#include <QWidget>

class QProgressBar;

namespace corvex {

// The window shown while the main window is loading: "Loading..." above a
// progress bar of five steps.
class LoadWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int stepCount = 5;

    explicit LoadWindow(QWidget *parent = nullptr);

    void step();
    int steps() const;

private:
    QProgressBar *m_bar = nullptr;
};

} // namespace corvex
