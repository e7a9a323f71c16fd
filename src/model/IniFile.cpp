#include "IniFile.h"

#include "ModelText.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace corvex {

namespace {

QByteArray withoutTrailingSpaces(QByteArray value)
{
    qsizetype end = value.size();
    while (end > 0 && (value[end - 1] == ' ' || value[end - 1] == '\0'))
        --end;
    value.truncate(end);
    return value;
}

} // namespace

void IniFile::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    m_state = State::NotLoaded;
    m_readError.clear();
    m_document = IniDocument();
    m_changed = false;
    m_sectionIndex = noSectionIndex;
}

void IniFile::setSectionName(const QByteArray &sectionName)
{
    m_sectionName = sectionName;
    m_sectionIndex = noSectionIndex;
}

void IniFile::load()
{
    if (m_state != State::NotLoaded || m_fileName.isEmpty())
        return;
    const QFileInfo info(m_fileName);
    if (!info.exists()) {
        m_state = State::Missing;
        return;
    }
    m_state = State::Unreadable;
    if (info.isDir()) {
        m_readError = ModelText::tr("\"%1\" is a folder, not a file.").arg(m_fileName);
        return;
    }
    if (!info.isFile()) {
        m_readError = ModelText::tr("\"%1\" is not a regular file.").arg(m_fileName);
        return;
    }
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_readError = cannotReadMessage(m_fileName, file.errorString());
        return;
    }
    if (file.size() > maxFileSize) {
        m_readError = ModelText::tr("\"%1\" is too large (%2 bytes) to be an INI file.")
                          .arg(m_fileName)
                          .arg(file.size());
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > maxFileSize) {
        m_readError = cannotReadMessage(m_fileName, file.errorString());
        return;
    }
    m_document = IniDocument::parse(bytes);
    m_state = State::Loaded;
    m_sectionIndex = noSectionIndex;
}

bool IniFile::fileOk()
{
    load();
    return m_state == State::Loaded;
}

QString IniFile::readError()
{
    load();
    return m_readError;
}

IniFile::Result IniFile::readString(QByteArrayView keyName, QByteArray &value)
{
    load();
    if (m_fileName.isEmpty() || !hasDocument())
        return Result::FileNotOk;
    if (m_sectionName.isEmpty())
        return Result::NoSectionName;
    if (keyName.isEmpty())
        return Result::NoKeyName;
    if (m_sectionIndex == noSectionIndex)
        m_sectionIndex = m_document.findSection(m_sectionName);
    const std::optional<QByteArray> found = m_document.value(m_sectionIndex, keyName);
    if (!found)
        return Result::KeyMissing;
    value = withoutTrailingSpaces(found->left(maxValueLength));
    return Result::Ok;
}

IniFile::Result IniFile::writeString(const QByteArray &keyName, const QByteArray &value)
{
    load();
    if (m_fileName.isEmpty() || m_state == State::Unreadable)
        return Result::FileNotOk;
    if (m_sectionName.isEmpty() || !IniDocument::isUsableSectionName(m_sectionName))
        return Result::NoSectionName;
    if (!IniDocument::isUsableKeyName(keyName))
        return Result::NoKeyName;
    m_document.setValue(m_sectionName, keyName, value);
    m_changed = true;
    m_sectionIndex = noSectionIndex;
    return Result::Ok;
}

void IniFile::startEmpty()
{
    m_document = IniDocument();
    m_sectionIndex = noSectionIndex;
    m_state = State::Missing;
    m_readError.clear();
    m_changed = true;
}

StoreResult IniFile::save()
{
    load();
    if (m_fileName.isEmpty())
        return StoreResult::failed(ModelText::tr("No file name is set."));
    if (m_state == State::Unreadable)
        return StoreResult::failed(m_readError + ModelText::tr(" It was left as it is."));
    if (!m_changed)
        return StoreResult::done();

    if (const StoreResult written = writeWholeFile(m_fileName, m_document.serialize()); !written)
        return written;
    m_state = State::Loaded;
    m_changed = false;
    return StoreResult::done();
}

QByteArray IniFile::valueAsRead(const QByteArray &written)
{
    return withoutTrailingSpaces(IniDocument::valueAsRead(written).left(maxValueLength));
}

QByteArray IniFile::text()
{
    load();
    return hasDocument() ? m_document.serialize() : QByteArray();
}

} // namespace corvex
