#pragma once

#include "IniDocument.h"
#include "StoreResult.h"

#include <QByteArray>
#include <QString>

namespace corvex {

// One INI file and one section of it, read and written key by key as text
// (Windows-1252 bytes) with fixed result codes. The file is read once, at the
// first call that needs it, and written once, atomically, by save(); until
// then every change is in memory only. An object is made for one task and
// dropped at its end.
class IniFile
{
public:
    enum class Result {
        Ok = 0,
        FileNotOk = 1,      // no file name, or no readable file
        NoSectionName = 2,
        NoKeyName = 3,      // empty, or a name that cannot be written as a key
        KeyMissing = 4,     // readString only
    };

    // A read gives at most this many characters of a value.
    static constexpr qsizetype maxValueLength = 254;

    // Files larger than this are not INI files this utility wrote; they are
    // refused instead of being read into memory.
    static constexpr qint64 maxFileSize = 16 * 1024 * 1024;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    QByteArray sectionName() const { return m_sectionName; }
    void setSectionName(const QByteArray &sectionName);

    // True when the file name is set and the file could be read.
    bool fileOk();

    // Ok puts the value in `value` (trailing spaces removed, at most
    // maxValueLength characters); every other result leaves `value` as it was.
    // FileNotOk also when the file is missing and nothing was written yet.
    Result readString(QByteArrayView keyName, QByteArray &value);

    // Changes the key in memory. FileNotOk when the file name is empty or the
    // file exists but cannot be read (it must not be replaced by a blank one).
    Result writeString(const QByteArray &keyName, const QByteArray &value);

    // Starts from an empty file whatever the file holds now, so that save()
    // replaces it with only what is written from here on.
    void startEmpty();

    // Writes the changes (if any) to the file atomically. A file that could not
    // be read is never written.
    StoreResult save();

    // The whole file as save() would write it now.
    QByteArray text();

    // Why the file could not be read; empty when it was read or is missing.
    QString readError();

    // What readString gives back for a value written as `written`.
    static QByteArray valueAsRead(const QByteArray &written);

private:
    enum class State { NotLoaded, Loaded, Missing, Unreadable };

    void load();
    bool hasDocument() const { return m_state == State::Loaded || m_changed; }

    QString m_fileName;
    QByteArray m_sectionName;
    State m_state = State::NotLoaded;
    QString m_readError;
    IniDocument m_document;
    bool m_changed = false;
    qsizetype m_sectionIndex = noSectionIndex; // of m_sectionName in m_document, once looked up
    static constexpr qsizetype noSectionIndex = -2;
};

} // namespace corvex
