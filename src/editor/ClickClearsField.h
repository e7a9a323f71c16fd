#pragma once

#include <QObject>

class QLineEdit;

namespace corvex {

// A mouse click into a numeric field empties it, so that a new value can be
// typed at once. The box then takes `typedLength` characters again, whatever
// longer value it was showing.
class ClickClearsField : public QObject
{
    Q_OBJECT

public:
    static void install(QLineEdit *box, int typedLength);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ClickClearsField(QLineEdit *box, int typedLength);

    QLineEdit *m_box = nullptr;
    int m_typedLength = 0;
};

// Shows `text` entire even when it is longer than the box's typing limit
// (a stored value may have more digits than can be typed), so that what is
// shown is what an Ok stores.
void showWholeText(QLineEdit *box, const QString &text, int typedLength);

} // namespace corvex
