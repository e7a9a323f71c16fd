#include "CsvText.h"

namespace corvex {

namespace {

bool looksLikeFormula(const QString &field)
{
    static const QString starters = QStringLiteral("=+-@\t\r");
    return !field.isEmpty() && starters.contains(field.front());
}

bool needsQuotes(const QString &field)
{
    for (const QChar c : field) {
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return true;
    }
    return false;
}

// A field that starts with an apostrophe gets one more, so that the guard
// can always be told from the field's own first character.
bool needsGuard(const QString &field)
{
    return looksLikeFormula(field) || field.startsWith(QLatin1Char('\''));
}

QString withoutFormulaGuard(const QString &field)
{
    if (field.startsWith(QLatin1Char('\'')) && needsGuard(field.mid(1)))
        return field.mid(1);
    return field;
}

class RecordParser
{
public:
    RecordParser(const QString &text, qsizetype fieldCount)
        : m_text(text)
        , m_fieldCount(fieldCount)
    {
    }

    bool atEnd() const { return m_at >= m_text.size(); }

    CsvRow next()
    {
        CsvRow row;
        const qsizetype start = m_at;
        QString field;
        bool quoted = false;
        bool afterQuote = false; // a quoted field has closed; only ',' or the line end may follow
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (quoted) {
                ++m_at;
                if (c != QLatin1Char('"')) {
                    field += c;
                } else if (m_at < m_text.size() && m_text[m_at] == QLatin1Char('"')) {
                    field += c;
                    ++m_at;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
                continue;
            }
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                break;
            ++m_at;
            if (c == QLatin1Char(',')) {
                row.fields << withoutFormulaGuard(field);
                field.clear();
                afterQuote = false;
            } else if (afterQuote) {
                row.damaged = true;
            } else if (c == QLatin1Char('"') && field.isEmpty()) {
                quoted = true;
            } else {
                field += c;
            }
        }
        row.fields << withoutFormulaGuard(field);
        const bool wrongCount = m_fieldCount > 0 && row.fields.size() != m_fieldCount;
        if (quoted || ((row.damaged || wrongCount) && spansLines(start))) {
            // A quote that never closes, or closes lines later in a record
            // that makes no sense: the damaged record is only its first line.
            row.damaged = true;
            m_at = start;
            while (m_at < m_text.size() && m_text[m_at] != QLatin1Char('\r') && m_text[m_at] != QLatin1Char('\n'))
                ++m_at;
        }
        row.text = m_text.mid(start, m_at - start);
        skipLineEnd();
        return row;
    }

private:
    bool spansLines(qsizetype start) const
    {
        for (qsizetype i = start; i < m_at; ++i) {
            if (m_text[i] == QLatin1Char('\r') || m_text[i] == QLatin1Char('\n'))
                return true;
        }
        return false;
    }

    void skipLineEnd()
    {
        if (m_at < m_text.size() && m_text[m_at] == QLatin1Char('\r'))
            ++m_at;
        if (m_at < m_text.size() && m_text[m_at] == QLatin1Char('\n'))
            ++m_at;
    }

    const QString &m_text;
    const qsizetype m_fieldCount;
    qsizetype m_at = 0;
};

} // namespace

QByteArray csvRecord(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        QString field = fields[i];
        if (needsGuard(field))
            field.prepend(QLatin1Char('\''));
        if (needsQuotes(field))
            field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        line += field;
    }
    return line.toUtf8() + "\r\n";
}

QList<CsvRow> csvRecords(const QByteArray &text, qsizetype fieldCount)
{
    const QString decoded = QString::fromUtf8(text);
    QList<CsvRow> rows;
    RecordParser parser(decoded, fieldCount);
    while (!parser.atEnd()) {
        CsvRow row = parser.next();
        if (row.text.isEmpty() && !row.damaged)
            continue; // a blank line
        rows << std::move(row);
    }
    return rows;
}

} // namespace corvex
