#include "NameBox.h"

#include "Cp1252.h"
#include "Limits.h"

#include <QLabel>
#include <QScopedValueRollback>
#include <QValidator>

namespace corvex {

namespace {

// A character as the note shows it: itself, or its code when it has no
// visible form (a zero-width space would otherwise show as nothing).
QString quotedCharacter(char32_t character)
{
    const QString text = QString::fromUcs4(&character, 1);
    if (QChar::isPrint(character) && !QChar::isSpace(character))
        return text;
    return QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
}

QString leftOutNote(const QString &leftOut)
{
    QList<char32_t> distinct;
    for (const char32_t character : leftOut.toUcs4()) {
        if (!distinct.contains(character))
            distinct.append(character);
    }
    QString shown;
    for (const char32_t character : distinct)
        shown += quotedCharacter(character);
    return distinct.size() == 1
               ? NameBox::tr("“%1” can't be stored on the Corvex and was left out.").arg(shown)
               : NameBox::tr("“%1” can't be stored on the Corvex and were left out.").arg(shown);
}

} // namespace

// Brings every edit to a name the box can hold. An edit is never refused as
// a whole: what can be stored of it is kept.
class NameBox::Validator : public QValidator
{
public:
    explicit Validator(NameBox *box)
        : QValidator(box)
        , m_box(box)
    {
    }

    State validate(QString &input, int &position) const override
    {
        if (m_box->m_showing)
            return Acceptable;
        QString kept;
        kept.reserve(input.size());
        int keptPosition = position;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            const bool lineBreakPair = c == QLatin1Char('\r') && i + 1 < input.size() && input.at(i + 1) == QLatin1Char('\n');
            const bool storable = isCp1252Representable(c);
            if (lineBreakPair || !storable) {
                // CR LF is one line break and becomes one space, that of its LF.
                if (!lineBreakPair)
                    m_box->m_leftOut.append(c);
                if (i < position)
                    --keptPosition;
                continue;
            }
            kept.append(c.category() == QChar::Other_Control ? QChar(QLatin1Char(' ')) : c);
        }
        kept.truncate(nameLength);
        input = kept;
        position = std::min<int>(keptPosition, kept.size());
        return Acceptable;
    }

private:
    NameBox *m_box;
};

NameBox::NameBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(nameLength);
    setValidator(new Validator(this));
    connect(this, &QLineEdit::textEdited, this, &NameBox::edited);
}

void NameBox::showName(const QString &name)
{
    const QScopedValueRollback showing(m_showing, true);
    setText(name);
    setNote(QString());
}

QLabel *NameBox::createNoteLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName() + QStringLiteral("Note"));
    label->setHidden(true);
    connect(this, &NameBox::noteChanged, label, [label](const QString &note) {
        label->setText(note);
        label->setHidden(note.isEmpty());
    });
    return label;
}

// The note stays while typing goes on: a character left out while typing
// would otherwise be explained only until the next key.
void NameBox::edited()
{
    if (!m_leftOut.isEmpty())
        setNote(leftOutNote(m_leftOut));
    m_leftOut.clear();
}

void NameBox::setNote(const QString &note)
{
    if (note == m_note)
        return;
    m_note = note;
    emit noteChanged(note);
}

} // namespace corvex
