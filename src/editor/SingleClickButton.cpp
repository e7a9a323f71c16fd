#include "SingleClickButton.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

namespace corvex {

namespace {

class SecondClickFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(watched, event);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const quint64 at = mouse->timestamp();
        const auto interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        if (type == QEvent::MouseButtonDblClick || (m_pressed && at >= m_lastPress && at - m_lastPress < interval))
            return true;
        m_pressed = true;
        m_lastPress = at;
        return false;
    }

private:
    bool m_pressed = false;
    quint64 m_lastPress = 0;
};

} // namespace

void ignoreSecondClickOfDoubleClick(QAbstractButton *button)
{
    button->installEventFilter(new SecondClickFilter(button));
}

} // namespace corvex
