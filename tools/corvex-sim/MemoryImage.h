#pragma once

#include <QByteArray>
#include <QString>

namespace corvex {

// The instrument's 64 KiB of memory, optionally kept in a file.
class MemoryImage
{
public:
    static constexpr int size = 0x10000;

    MemoryImage();

    quint8 read(int address) const;
    void write(int address, quint8 value);
    void writeBlock(int address, const QByteArray &bytes);

    // Loads the file when it exists. A file larger than the memory is
    // refused; a shorter one fills the start and leaves the rest 0.
    bool load(const QString &file, QString *error);
    bool save(const QString &file, QString *error) const;

    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Plausible reagent names and a few programs, for demonstrations.
void fillDemoImage(MemoryImage &memory);

} // namespace corvex
