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
// transfer with its spin, two transfer buttons and a progress bar, and under
// them the status line (`percent`: the percentage or a note, empty when idle).
class ConnectionFrame : public QGroupBox
{
    Q_OBJECT

public:
    ConnectionFrame(const ConnectionFrameDesign &design, QWidget *parent = nullptr);

    QLineEdit *number = nullptr;
    SpinBar *spin = nullptr;
    QPushButton *firstButton = nullptr;
    QPushButton *secondButton = nullptr;
    QProgressBar *bar = nullptr;
    QLabel *percent = nullptr;

private:
    void spun(int value);

    int m_count = 0;
};

} // namespace corvex
