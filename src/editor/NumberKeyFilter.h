#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace corvex {

// Key filter of the numeric boxes: of the character keys only the digits,
// Backspace and the clipboard keys (Ctrl+C, Ctrl+V, Ctrl+X) get through.
// Keys that carry no character (arrows, Delete, Home, Tab, Enter) are not
// character keys and pass untouched. Pasted text is not filtered; only the
// box's length limit applies to it.
class NumberKeyFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // True when a key with this character code is thrown away.
    static bool discards(int code);

    // Filters the keys of `box`; the filter is owned by the box.
    static void install(QLineEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// A right-aligned box for a whole number of at most `digits` digits, which
// only the keys of NumberKeyFilter reach.
QLineEdit *makeNumberBox(const char *name, const QString &text, int digits, QWidget *parent);

} // namespace corvex
