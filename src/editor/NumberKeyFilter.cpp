#include "NumberKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace corvex {

namespace {

// The character code a key press types: its text, or for Ctrl with a letter
// the control code (Ctrl+C is 3), as the platform does not always send it.
int characterCode(const QKeyEvent &key)
{
    const bool control = key.modifiers().testFlag(Qt::ControlModifier);
    if (control && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return key.key() - Qt::Key_A + 1;
    const QString text = key.text();
    if (text.isEmpty())
        return -1;
    return text.at(0).unicode();
}

// Keys that type no character into the box, although some platforms send a
// control code with them (X11 sends Delete with DEL, 127).
bool isNonCharacterKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

} // namespace

bool NumberKeyFilter::discards(int code)
{
    if (code < 0 || code > 255)
        return false;
    return code <= 2 || (code >= 4 && code <= 7) || (code >= 9 && code <= 21) || code == 23
        || (code >= 25 && code <= 47) || code >= 58;
}

void NumberKeyFilter::install(QLineEdit *box)
{
    box->installEventFilter(new NumberKeyFilter(box));
}

bool NumberKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (isNonCharacterKey(key->key()))
        return false;
    const int code = characterCode(*key);
    return code >= 0 && discards(code);
}

QLineEdit *makeNumberBox(const char *name, const QString &text, int digits, QWidget *parent)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(digits);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(digits + 2, QLatin1Char('0'))) + 12);
    NumberKeyFilter::install(box);
    return box;
}

} // namespace corvex
