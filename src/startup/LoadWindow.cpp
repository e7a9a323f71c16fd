#include "LoadWindow.h"

#include "Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>

namespace corvex {

LoadWindow::LoadWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmLoad"));
    auto *label = new QLabel(tr("Loading..."), this);
    label->setObjectName(QStringLiteral("Label1"));
    // The text sits at the top of the label, which ends where the bar begins.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRect designed = twipsToPixels(QRect(180, 180, 3315, 300), this);
    // A translation longer than the design widens the label and the window.
    const int wider = std::max(0, label->sizeHint().width() - designed.width());
    label->setGeometry(designed.adjusted(0, 0, wider, 0));
    setFixedSize(twipsToPixels(QSize(3750, 945), this) + QSize(wider, 0));

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pbLoad"));
    m_bar->setRange(0, stepCount);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setGeometry(twipsToPixels(QRect(180, 480, 3375, 315), this));

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void LoadWindow::step()
{
    m_bar->setValue(std::min(m_bar->value() + 1, m_bar->maximum()));
}

int LoadWindow::steps() const
{
    return m_bar->value();
}

} // namespace corvex
