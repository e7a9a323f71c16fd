#pragma once

#include <QLineEdit>

class QLabel;

namespace corvex {

// The box of a reagent or program name. Names are stored as Windows-1252
// bytes, at most 13 of them, so the box holds only what can be stored:
// whatever is typed, pasted or dropped into it, control characters (tabs,
// line breaks) become spaces and characters the code page lacks are left
// out, with a note that says so. The instrument, the store and the lists
// thus all get the name the box shows.
class NameBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit NameBox(QWidget *parent = nullptr);

    // Shows a name as it is held, whatever characters it has, so that
    // showing a name changes none of it. Clears the note.
    void showName(const QString &name);

    // A label that shows the note and is hidden while there is none.
    QLabel *createNoteLabel(QWidget *parent);

    // True while showName() sets the text: a change that is not an edit.
    bool isShowingName() const { return m_showing; }

Q_SIGNALS:
    // Why characters were left out of the last edit that left any out;
    // empty again when a name is shown.
    void noteChanged(const QString &note);

private:
    class Validator;

    void edited();
    void setNote(const QString &note);

    bool m_showing = false;
    QString m_leftOut; // characters refused since the last edit
    QString m_note;
};

} // namespace corvex
