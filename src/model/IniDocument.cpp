#include "model/IniDocument.h"

#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray trimmedBlanks(const QByteArray &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Sections and keys match without regard to ASCII case.
QByteArray folded(const QByteArray &name)
{
    QByteArray result = name;
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

QByteArray withoutNuls(const QByteArray &text)
{
    if (!text.contains('\0'))
        return text;
    QByteArray result = text;
    result.replace('\0', QByteArray());
    return result;
}

struct LineMeaning
{
    enum Kind { Other, SectionHeader, Key };
    Kind kind = Other;
    QByteArray name; // section or key name, trimmed, as written
    QByteArray rawValue; // key lines: everything after the first '='
};

LineMeaning interpret(const QByteArray &rawLine)
{
    const QByteArray line = withoutNuls(rawLine);
    qsizetype i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i == line.size() || line[i] == ';')
        return {};
    if (line[i] == '[') {
        qsizetype close = line.indexOf(']', i + 1);
        if (close < 0)
            close = line.size();
        return {LineMeaning::SectionHeader, trimmedBlanks(line.mid(i + 1, close - i - 1)), {}};
    }
    const qsizetype equals = line.indexOf('=', i);
    if (equals < 0)
        return {};
    return {LineMeaning::Key, trimmedBlanks(line.mid(i, equals - i)), line.mid(equals + 1)};
}

QByteArray valueFromRaw(const QByteArray &rawValue)
{
    QByteArray value = trimmedBlanks(rawValue);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// A value as it can be written on one line.
QByteArray writableValue(const QByteArray &value)
{
    QByteArray result = value.left(value.indexOf('\0') < 0 ? value.size() : value.indexOf('\0'));
    for (char &c : result) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return result;
}

// Only the first of several equal names counts.
void insertFirst(QHash<QByteArray, qsizetype> &index, const QByteArray &name, qsizetype position)
{
    if (!index.contains(name))
        index.insert(name, position);
}

bool isUsableName(const QByteArray &name, char terminator)
{
    if (name.isEmpty() || isBlank(name.front()) || isBlank(name.back()))
        return false;
    for (char c : name) {
        if (c == '\r' || c == '\n' || c == '\0' || c == terminator)
            return false;
    }
    return true;
}

} // namespace

IniDocument IniDocument::Parse(const QByteArray &bytes)
{
    IniDocument document;
    bool styleFound = false;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        Line line{QByteArray(data + pos, end - pos), LineEnd::None};
        pos = end;
        if (pos < size) {
            if (data[pos] == '\n') {
                line.end = LineEnd::Lf;
                pos += 1;
            } else if (pos + 1 < size && data[pos + 1] == '\n') {
                line.end = LineEnd::CrLf;
                pos += 2;
            } else {
                line.end = LineEnd::Cr;
                pos += 1;
            }
            if (!styleFound) {
                document.m_style = line.end;
                styleFound = true;
            }
        }
        document.appendLine(std::move(line));
    }
    return document;
}

void IniDocument::appendLine(Line line)
{
    const LineMeaning meaning = interpret(line.text);
    if (meaning.kind == LineMeaning::SectionHeader) {
        insertFirst(m_firstSection, folded(meaning.name), qsizetype(m_sections.size()));
        m_sections.push_back(Section{std::move(line), {}, {}, -1});
        return;
    }
    if (m_sections.empty()) {
        m_preamble.push_back(std::move(line));
        return;
    }
    Section &section = m_sections.back();
    section.body.push_back(std::move(line));
    if (meaning.kind == LineMeaning::Key)
        indexKeyLine(section, qsizetype(section.body.size()) - 1, folded(meaning.name));
}

void IniDocument::indexKeyLine(Section &section, qsizetype index, const QByteArray &foldedKey)
{
    insertFirst(section.firstKeyLine, foldedKey, index);
    section.lastKeyLine = index;
}

std::optional<QByteArray> IniDocument::value(const QByteArray &section, const QByteArray &key) const
{
    const auto sectionIt = m_firstSection.constFind(folded(section));
    if (sectionIt == m_firstSection.constEnd())
        return std::nullopt;
    const Section &found = m_sections[size_t(*sectionIt)];
    const auto keyIt = found.firstKeyLine.constFind(folded(key));
    if (keyIt == found.firstKeyLine.constEnd())
        return std::nullopt;
    return valueFromRaw(interpret(found.body[size_t(*keyIt)].text).rawValue);
}

void IniDocument::setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    Q_ASSERT(IsUsableSectionName(section) && IsUsableKeyName(key));
    const QByteArray valueText = writableValue(value);
    const QByteArray foldedSection = folded(section);
    const QByteArray foldedKey = folded(key);

    const auto sectionIt = m_firstSection.constFind(foldedSection);
    if (sectionIt == m_firstSection.constEnd()) {
        if (Line *last = lastLine(); last && last->end == LineEnd::None)
            last->end = m_style;
        m_firstSection.insert(foldedSection, qsizetype(m_sections.size()));
        Section added{newLine('[' + section + ']'), {newLine(key + '=' + valueText)}, {}, -1};
        indexKeyLine(added, 0, foldedKey);
        m_sections.push_back(std::move(added));
        return;
    }

    Section &found = m_sections[size_t(*sectionIt)];
    if (const auto keyIt = found.firstKeyLine.constFind(foldedKey); keyIt != found.firstKeyLine.constEnd()) {
        Line &line = found.body[size_t(*keyIt)];
        line.text = interpret(line.text).name + '=' + valueText; // keeps the key's spelling in the file
        return;
    }

    // Only comments, blank and other non-key lines follow the last key line,
    // so inserting there moves no indexed line.
    const qsizetype at = found.lastKeyLine + 1;
    Line &before = at == 0 ? found.header : found.body[size_t(at - 1)];
    if (before.end == LineEnd::None)
        before.end = m_style;
    found.body.insert(found.body.begin() + at, newLine(key + '=' + valueText));
    indexKeyLine(found, at, foldedKey);
}

IniDocument::Line *IniDocument::lastLine()
{
    if (!m_sections.empty()) {
        Section &last = m_sections.back();
        return last.body.empty() ? &last.header : &last.body.back();
    }
    return m_preamble.empty() ? nullptr : &m_preamble.back();
}

QByteArray IniDocument::serialize() const
{
    static constexpr const char *EndBytes[] = {"", "\r\n", "\n", "\r"};
    const auto endSize = [](LineEnd end) { return qsizetype(std::strlen(EndBytes[int(end)])); };

    qsizetype total = 0;
    const auto measure = [&](const Line &line) { total += line.text.size() + endSize(line.end); };
    for (const Line &line : m_preamble)
        measure(line);
    for (const Section &section : m_sections) {
        measure(section.header);
        for (const Line &line : section.body)
            measure(line);
    }

    QByteArray bytes;
    bytes.reserve(total);
    const auto write = [&](const Line &line) {
        bytes.append(line.text);
        bytes.append(EndBytes[int(line.end)], endSize(line.end));
    };
    for (const Line &line : m_preamble)
        write(line);
    for (const Section &section : m_sections) {
        write(section.header);
        for (const Line &line : section.body)
            write(line);
    }
    return bytes;
}

QByteArray IniDocument::ValueAsRead(const QByteArray &written)
{
    return valueFromRaw(writableValue(written));
}

bool IniDocument::IsUsableSectionName(const QByteArray &name)
{
    return isUsableName(name, ']');
}

bool IniDocument::IsUsableKeyName(const QByteArray &name)
{
    return isUsableName(name, '=') && name.front() != ';' && name.front() != '[';
}
