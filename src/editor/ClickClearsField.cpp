#include "ClickClearsField.h"

#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace corvex {

ClickClearsField::ClickClearsField(QLineEdit *box, int typedLength)
    : QObject(box)
    , m_box(box)
    , m_typedLength(typedLength)
{
}

void ClickClearsField::install(QLineEdit *box, int typedLength)
{
    box->installEventFilter(new ClickClearsField(box, typedLength));
}

bool ClickClearsField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::MouseButtonPress && m_box->isEnabled()) {
        m_box->setMaxLength(m_typedLength);
        m_box->clear();
    }
    return QObject::eventFilter(watched, event);
}

void showWholeText(QLineEdit *box, const QString &text, int typedLength)
{
    box->setMaxLength(std::max<int>(typedLength, static_cast<int>(text.size())));
    box->setText(text);
}

} // namespace corvex
