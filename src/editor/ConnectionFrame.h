#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace corvex {

class SpinBar;

// The captions of the read buttons, also the titles of what they start.
QString readFromCorvexCaption();
QString readAllCaption();
QString stopCaption();

// What tells the two tabs' frames apart: their captions, object names and
// numbers. The number box takes `digits` digits; its spin runs from 0 to
// count + 1 and wraps around, so that stepping up from count gives 1 and
// stepping down from 1 gives count.
struct ConnectionFrameDesign
{
    const char *frameName;
    QString label;
    const char *numberName;
    int digits;
    const char *spinName;
    int count;
    const char *firstButtonName;
    QString firstCaption;
    const char *secondButtonName;
    QString secondCaption;
    const char *barName;
    int barMinimum;
    int barMaximum;
    const char *percentName;
};

// The frame "Connection to Corvex" of either tab: the number chosen for a
// transfer with its spin (which the Up and Down keys in the number box step
// too), two transfer buttons and a progress bar, and under them the status
// line (`percent`: the percentage or a note, empty when idle).
//
// A button whose transfer runs reads "Stop" meanwhile; clicking it asks to
// stop that transfer instead of starting one. A double-click counts as one
// click, so that it neither stops what it has just started nor starts again
// what it has just stopped.
class ConnectionFrame : public QGroupBox
{
    Q_OBJECT

public:
    enum class Running { None, First, Second };

    ConnectionFrame(const ConnectionFrameDesign &design, QWidget *parent = nullptr);

    // The buttons start transfers when `canStart`; the button of the
    // transfer `running` reads "Stop" and is usable while `canStop`.
    void showTransferState(bool canStart, Running running, bool canStop);
    // The number box and its spin.
    void setNumberEnabled(bool enabled);

    QLineEdit *number = nullptr;
    SpinBar *spin = nullptr;
    QPushButton *firstButton = nullptr;
    QPushButton *secondButton = nullptr;
    QProgressBar *bar = nullptr;
    QLabel *percent = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    void firstClicked();
    void secondClicked();
    void stopClicked();

private:
    void spun(int value);
    void clicked(Running button);

    int m_count = 0;
    QString m_captions[2];
    Running m_running = Running::None;
};

} // namespace corvex
