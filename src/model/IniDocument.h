#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <optional>
#include <unordered_map>
#include <vector>

namespace corvex {

// The lines of an INI file as bytes, with an index of its sections and keys,
// read and changed the way the Windows profile functions do it:
// - lines end in CRLF, LF or CR; sections and keys match without regard to
//   ASCII case; only the first section of a name and the first key of a name
//   in it count; lines before the first section are never read;
// - a value is trimmed of spaces and tabs and loses one outer pair of
//   matching quotes; `;` starts a comment line; NUL bytes are ignored;
// - a changed key is rewritten in place, a new key follows the last key line
//   of its section, a new section is appended at the end.
// Every line that is not changed serializes byte for byte; new lines take the
// line end the file already uses (CRLF for a file that has none).
//
// Names, keys and values are Windows-1252 bytes on both sides of this class.
// A file is read and written in Windows-1252, unless it starts with the UTF-8
// signature (EF BB BF), as editors save it: then its lines are UTF-8, values
// are converted at the boundary (characters that Windows-1252 lacks read as
// '?'), and the file keeps its signature and encoding when written.
class IniDocument
{
public:
    static IniDocument parse(const QByteArray &bytes);

    // The value as read, or nullopt when the section or the key is missing.
    std::optional<QByteArray> value(const QByteArray &section, QByteArrayView key) const;

    // The same in two steps, for many keys of one section: the section's
    // position (-1 when missing), valid until the next setValue.
    qsizetype findSection(const QByteArray &section) const;
    std::optional<QByteArray> value(qsizetype sectionIndex, QByteArrayView key) const;

    // A NUL ends the value; CR and LF in it become spaces, so a value never
    // breaks a line. Section and key must be usable names
    // (isUsableSectionName, isUsableKeyName).
    void setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value);

    QByteArray serialize() const;

    // What reading gives back for a value written as `written`.
    static QByteArray valueAsRead(const QByteArray &written);

    // A section or key name that can be written so that it reads back: not
    // empty, no line break or NUL, no blank at either end, and no character
    // that would end the name early ('=' in a key, ']' in a section).
    static bool isUsableSectionName(const QByteArray &name);
    static bool isUsableKeyName(const QByteArray &name);

private:
    enum class LineEnd : quint8 { None, CrLf, Lf, Cr };

    // Windows-1252 bytes as the file spells them, and back.
    QByteArray toFileBytes(const QByteArray &text) const;
    QByteArray fromFileBytes(const QByteArray &bytes) const;

    struct Line
    {
        QByteArray text;
        LineEnd end = LineEnd::None;
    };

    // Key names compared without regard to ASCII case; the views point into
    // the lines' text (or into Section::cleanedNames).
    struct FoldedHash
    {
        size_t operator()(QByteArrayView name) const;
    };
    struct FoldedEqual
    {
        bool operator()(QByteArrayView a, QByteArrayView b) const;
    };
    using KeyIndex = std::unordered_map<QByteArrayView, qsizetype, FoldedHash, FoldedEqual>;

    struct Section
    {
        Line header;
        std::vector<Line> body;
        KeyIndex firstKeyLine; // key -> index into body
        qsizetype lastKeyLine = -1;
        std::vector<QByteArray> cleanedNames; // key names of lines that held NUL bytes
    };

    void appendLine(Line line);
    static void indexKeyLine(Section &section, qsizetype index, QByteArrayView key);
    Line *lastLine();
    Line newLine(const QByteArray &text) const { return {text, m_style}; }

    QByteArray m_source; // the parsed bytes; unchanged lines are views into it
    std::vector<Line> m_preamble; // lines before the first section
    std::vector<Section> m_sections;
    QHash<QByteArray, qsizetype> m_firstSection; // folded name -> index into m_sections
    LineEnd m_style = LineEnd::CrLf;
    bool m_utf8 = false; // UTF-8 with its signature, instead of Windows-1252
};

} // namespace corvex
