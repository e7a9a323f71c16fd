#pragma once

#include "InstrumentData.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace corvex {

// The control named `name` below `parent`; the test program stops when there is none.
template<typename T = QWidget>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Types text key by key, also characters beyond ASCII (which QTest's own
// keyClicks refuses): each key press carries its character as its text.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
            continue;
        }
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

// Selects all of a box's text and types over it (empty: erases it).
inline void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    typeText(box, text);
}

// Stored 13-character form of a name.
inline QByteArray stored(const QByteArray &name)
{
    return (name + QByteArray(13, ' ')).left(13);
}

// Reagents "Reagent 001".."Reagent 200" (reagent 1 is "Empty"), and three
// programs to work on: 3 (EM, vial v: reagent v + 1, v minutes), 7 (LM,
// every used vial 1 h) and 8 (empty).
inline InstrumentData sampleData()
{
    InstrumentData data;
    data.reagents[1] = stored("Empty");
    for (int r = 2; r <= 200; ++r)
        data.reagents[r] = stored("Reagent " + QByteArray::number(r).rightJustified(3, '0'));
    for (int p = 1; p <= 99; ++p)
        data.programs[p] = ProgramRecord::empty();

    data.programs[3].name = stored("Routine");
    data.programs[3].type = 1;
    data.programs[3].duration = 300; // 1 + 2 + ... + 24
    data.programs[7].name = stored("Biopsy");
    data.programs[7].type = 0;
    data.programs[7].duration = 12 * 60;
    for (int v = 1; v <= 24; ++v) {
        data.programs[3].vial(v) = VialStep{v + 1, v % 6, v % 2, 0, v, v % 3 == 0 ? 37 : 0};
        data.programs[7].vial(v) = VialStep{10 + v, 1, 0, 1, 0, 0};
    }
    return data;
}

} // namespace corvex
