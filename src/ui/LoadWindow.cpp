#include "LoadWindow.h"

#include "Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace corvex {

LoadWindow::LoadWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmLoad"));
    setFixedSize(twipsToPixels(QSize(3750, 945), this));

    auto *label = new QLabel(QStringLiteral("Loading..."), this);
    label->setObjectName(QStringLiteral("Label1"));
    // The text sits at the top of the label, which ends where the bar begins.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(twipsToPixels(QRect(180, 180, 3315, 300), this));

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
