#include "IniDocument.h"

#include "Cp1252.h"

#include <cstring>

namespace corvex {

namespace {

constexpr char utf8Signature[] = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char foldedChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Sections match without regard to ASCII case.
QByteArray folded(QByteArrayView name)
{
    QByteArray result(name.data(), name.size());
    for (char &c : result)
        c = foldedChar(c);
    return result;
}

// Only the first of several equal names counts.
void insertFirst(QHash<QByteArray, qsizetype> &index, const QByteArray &name, qsizetype position)
{
    if (!index.contains(name))
        index.insert(name, position);
}

struct LineMeaning
{
    enum Kind { Other, SectionHeader, Key };
    Kind kind = Other;
    QByteArrayView name;     // section or key name, trimmed
    QByteArrayView rawValue; // key lines: everything after the first '='
    QByteArray cleaned;      // the line without its NUL bytes, when it had any; the views point into it
};

LineMeaning interpret(const QByteArray &rawLine)
{
    LineMeaning meaning;
    QByteArrayView line(rawLine);
    if (line.contains('\0')) {
        meaning.cleaned = rawLine;
        meaning.cleaned.replace('\0', QByteArray());
        line = meaning.cleaned;
    }
    qsizetype i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i == line.size() || line[i] == ';')
        return meaning;
    if (line[i] == '[') {
        qsizetype close = line.indexOf(']', i + 1);
        if (close < 0)
            close = line.size();
        meaning.kind = LineMeaning::SectionHeader;
        meaning.name = trimmedBlanks(line.sliced(i + 1, close - i - 1));
        return meaning;
    }
    const qsizetype equals = line.indexOf('=', i);
    if (equals < 0)
        return meaning;
    meaning.kind = LineMeaning::Key;
    meaning.name = trimmedBlanks(line.sliced(i, equals - i));
    meaning.rawValue = line.sliced(equals + 1);
    return meaning;
}

QByteArray valueFromRaw(QByteArrayView rawValue)
{
    QByteArrayView value = trimmedBlanks(rawValue);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.toByteArray();
}

// A value as it can be written on one line.
QByteArray writableValue(const QByteArray &value)
{
    const qsizetype nul = value.indexOf('\0');
    QByteArray result = nul < 0 ? value : value.left(nul);
    if (result.contains('\r') || result.contains('\n')) {
        for (char &c : result) {
            if (c == '\r' || c == '\n')
                c = ' ';
        }
    }
    return result;
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

size_t IniDocument::FoldedHash::operator()(QByteArrayView name) const
{
    size_t hash = 14695981039346656037ull; // FNV-1a
    for (char c : name) {
        hash ^= static_cast<unsigned char>(foldedChar(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool IniDocument::FoldedEqual::operator()(QByteArrayView a, QByteArrayView b) const
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldedChar(a[i]) != foldedChar(b[i]))
            return false;
    }
    return true;
}

IniDocument IniDocument::parse(const QByteArray &bytes)
{
    IniDocument document;
    document.m_utf8 = bytes.startsWith(utf8Signature);
    document.m_source = document.m_utf8 ? bytes.sliced(3) : bytes;
    document.m_source.detach(); // unchanged lines point into it; it must own its bytes
    bool styleFound = false;
    const char *data = document.m_source.constData();
    const qsizetype size = document.m_source.size();
    qsizetype pos = 0;
    qsizetype lf = -1; // the next LF at or after pos, or size
    while (pos < size) {
        if (lf < pos) {
            const void *found = std::memchr(data + pos, '\n', size_t(size - pos));
            lf = found ? static_cast<const char *>(found) - data : size;
        }
        const void *carriageReturn = std::memchr(data + pos, '\r', size_t(lf - pos));
        const qsizetype end = carriageReturn ? static_cast<const char *>(carriageReturn) - data : lf;

        Line line{QByteArray::fromRawData(data + pos, end - pos), LineEnd::None};
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
    LineMeaning meaning = interpret(line.text);
    if (meaning.kind == LineMeaning::SectionHeader) {
        insertFirst(m_firstSection, folded(meaning.name), qsizetype(m_sections.size()));
        m_sections.push_back(Section{std::move(line), {}, {}, -1, {}});
        return;
    }
    if (m_sections.empty()) {
        m_preamble.push_back(std::move(line));
        return;
    }
    Section &section = m_sections.back();
    section.body.push_back(std::move(line));
    if (meaning.kind != LineMeaning::Key)
        return;
    QByteArrayView key = meaning.name;
    if (!meaning.cleaned.isNull()) {
        const qsizetype offset = key.data() - meaning.cleaned.constData();
        section.cleanedNames.push_back(std::move(meaning.cleaned));
        key = QByteArrayView(section.cleanedNames.back()).sliced(offset, key.size());
    }
    indexKeyLine(section, qsizetype(section.body.size()) - 1, key);
}

void IniDocument::indexKeyLine(Section &section, qsizetype index, QByteArrayView key)
{
    section.firstKeyLine.try_emplace(key, index);
    section.lastKeyLine = index;
}

QByteArray IniDocument::toFileBytes(const QByteArray &text) const
{
    return m_utf8 ? decodeCp1252(text).toUtf8() : text;
}

QByteArray IniDocument::fromFileBytes(const QByteArray &bytes) const
{
    return m_utf8 ? encodeCp1252(QString::fromUtf8(bytes)) : bytes;
}

qsizetype IniDocument::findSection(const QByteArray &section) const
{
    return m_firstSection.value(folded(toFileBytes(section)), -1);
}

std::optional<QByteArray> IniDocument::value(qsizetype sectionIndex, QByteArrayView key) const
{
    if (sectionIndex < 0 || sectionIndex >= qsizetype(m_sections.size()))
        return std::nullopt;
    const Section &section = m_sections[size_t(sectionIndex)];
    const QByteArray fileKey = m_utf8 ? toFileBytes(key.toByteArray()) : QByteArray();
    const auto found = section.firstKeyLine.find(m_utf8 ? QByteArrayView(fileKey) : key);
    if (found == section.firstKeyLine.end())
        return std::nullopt;
    return fromFileBytes(valueFromRaw(interpret(section.body[size_t(found->second)].text).rawValue));
}

std::optional<QByteArray> IniDocument::value(const QByteArray &section, QByteArrayView key) const
{
    return value(findSection(section), key);
}

void IniDocument::setValue(const QByteArray &sectionName, const QByteArray &keyName, const QByteArray &value)
{
    Q_ASSERT(isUsableSectionName(sectionName) && isUsableKeyName(keyName));
    const QByteArray section = toFileBytes(sectionName);
    const QByteArray key = toFileBytes(keyName);
    const QByteArray valueText = toFileBytes(writableValue(value));

    const qsizetype sectionIndex = m_firstSection.value(folded(section), -1);
    if (sectionIndex < 0) {
        if (Line *last = lastLine(); last && last->end == LineEnd::None)
            last->end = m_style;
        m_firstSection.insert(folded(section), qsizetype(m_sections.size()));
        m_sections.push_back(Section{newLine('[' + section + ']'), {newLine(key + '=' + valueText)}, {}, -1, {}});
        Section &added = m_sections.back();
        indexKeyLine(added, 0, QByteArrayView(added.body.front().text).first(key.size()));
        return;
    }

    Section &found = m_sections[size_t(sectionIndex)];
    if (const auto keyIt = found.firstKeyLine.find(key); keyIt != found.firstKeyLine.end()) {
        Line &line = found.body[size_t(keyIt->second)];
        const QByteArray spelling = interpret(line.text).name.toByteArray(); // the key as the file spells it
        line.text = spelling + '=' + valueText;
        // The index must not point into the text just replaced.
        auto node = found.firstKeyLine.extract(keyIt);
        node.key() = QByteArrayView(line.text).first(spelling.size());
        found.firstKeyLine.insert(std::move(node));
        return;
    }

    // Only comments, blank and other non-key lines follow the last key line,
    // so inserting there moves no indexed line.
    const qsizetype at = found.lastKeyLine + 1;
    Line &before = at == 0 ? found.header : found.body[size_t(at - 1)];
    if (before.end == LineEnd::None)
        before.end = m_style;
    const auto inserted = found.body.insert(found.body.begin() + at, newLine(key + '=' + valueText));
    indexKeyLine(found, at, QByteArrayView(inserted->text).first(key.size()));
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
    static constexpr const char *endBytes[] = {"", "\r\n", "\n", "\r"};
    const auto endSize = [](LineEnd end) { return qsizetype(std::strlen(endBytes[int(end)])); };

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
    bytes.reserve(total + 3);
    if (m_utf8)
        bytes.append(utf8Signature);
    const auto write = [&](const Line &line) {
        bytes.append(line.text);
        bytes.append(endBytes[int(line.end)], endSize(line.end));
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

QByteArray IniDocument::valueAsRead(const QByteArray &written)
{
    return valueFromRaw(writableValue(written));
}

bool IniDocument::isUsableSectionName(const QByteArray &name)
{
    return isUsableName(name, ']');
}

bool IniDocument::isUsableKeyName(const QByteArray &name)
{
    return isUsableName(name, '=') && name.front() != ';' && name.front() != '[';
}

} // namespace corvex
