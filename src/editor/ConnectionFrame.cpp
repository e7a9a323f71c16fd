#include "ConnectionFrame.h"

#include "NumberKeyFilter.h"
#include "SingleClickButton.h"
#include "SpinBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvex {

QString readFromCorvexCaption()
{
    return ConnectionFrame::tr("Read from Corvex");
}

QString readAllCaption()
{
    return ConnectionFrame::tr("Read ALL from Corvex");
}

QString stopCaption()
{
    return ConnectionFrame::tr("Stop");
}

ConnectionFrame::ConnectionFrame(const ConnectionFrameDesign &design, QWidget *parent)
    : QGroupBox(tr("Connection to Corvex"), parent)
    , m_count(design.count)
    , m_captions{design.firstCaption, design.secondCaption}
{
    setObjectName(QLatin1String(design.frameName));

    number = makeNumberBox(design.numberName, QStringLiteral("1"), design.digits, this);
    spin = new SpinBar(0, design.count + 1, this);
    spin->setObjectName(QLatin1String(design.spinName));
    spin->setFixedHeight(number->sizeHint().height());

    firstButton = new QPushButton(design.firstCaption, this);
    firstButton->setObjectName(QLatin1String(design.firstButtonName));
    secondButton = new QPushButton(design.secondCaption, this);
    secondButton->setObjectName(QLatin1String(design.secondButtonName));
    for (QPushButton *button : {firstButton, secondButton}) {
        // The caption changes to "Stop" while running; the button keeps its width.
        button->setMinimumWidth(button->sizeHint().width());
        ignoreSecondClickOfDoubleClick(button);
    }

    bar = new QProgressBar(this);
    bar->setObjectName(QLatin1String(design.barName));
    bar->setRange(design.barMinimum, design.barMaximum);
    bar->setValue(design.barMinimum);
    bar->setTextVisible(false);

    // The status has a line of its own under the bar, as wide as the frame:
    // a retry or an ending says more than a percentage. The line is always
    // there, so that the frame does not jump when a text comes or goes.
    percent = new QLabel(this);
    percent->setObjectName(QLatin1String(design.percentName));
    percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percent->setWordWrap(true);
    percent->setMinimumHeight(percent->fontMetrics().height());

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(design.label, this));
    row->addWidget(number);
    row->addWidget(spin);
    row->addSpacing(8);
    row->addWidget(firstButton);
    row->addWidget(secondButton);
    row->addWidget(bar, 1);
    auto *lines = new QVBoxLayout(this);
    lines->addLayout(row);
    lines->addWidget(percent);

    connect(spin, &SpinBar::spinValueChanged, this, &ConnectionFrame::spun);
    number->installEventFilter(this);
    connect(firstButton, &QPushButton::clicked, this, [this] { clicked(Running::First); });
    connect(secondButton, &QPushButton::clicked, this, [this] { clicked(Running::Second); });
}

bool ConnectionFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != number || event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (key->key() == Qt::Key_Up)
        spin->stepUp();
    else if (key->key() == Qt::Key_Down)
        spin->stepDown();
    else
        return false;
    return true;
}

void ConnectionFrame::clicked(Running button)
{
    if (m_running == button)
        emit stopClicked();
    else if (m_running == Running::None && button == Running::First)
        emit firstClicked();
    else if (m_running == Running::None)
        emit secondClicked();
}

void ConnectionFrame::showTransferState(bool canStart, Running running, bool canStop)
{
    m_running = running;
    const Running buttons[2] = {Running::First, Running::Second};
    QPushButton *const widgets[2] = {firstButton, secondButton};
    for (int i = 0; i < 2; ++i) {
        const bool runs = running == buttons[i];
        widgets[i]->setText(runs ? stopCaption() : m_captions[i]);
        widgets[i]->setEnabled(runs ? canStop : canStart);
    }
}

void ConnectionFrame::setNumberEnabled(bool enabled)
{
    number->setEnabled(enabled);
    spin->setEnabled(enabled);
}

void ConnectionFrame::spun(int value)
{
    if (value <= 0) {
        number->setText(QString::number(m_count));
        spin->setSpinValue(m_count);
    } else if (value > m_count) {
        number->setText(QStringLiteral("1"));
        spin->setSpinValue(1);
    } else {
        number->setText(QString::number(value));
    }
}

} // namespace corvex
