#pragma once

#include "InstrumentData.h"

#include <QFile>
#include <QString>

namespace corvex {

// Small helpers for tests that work on real files.

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Bytes that are not text, the same on every run.
inline QByteArray garbage(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    for (char &byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

// A full set of data in which every field differs, with names that need
// care in a file: Windows-1252 letters, leading blanks, quotes, '=', ';', '['.
inline InstrumentData fullSampleData()
{
    static const QByteArray awkwardNames[] = {
        "Paraffin \xE9t\xE9", "  leading", "\"quoted\"", "'single'", "a=b;c[d]", "tab\tinside", "trail\t",
        "\x80\x9F\xFF end", "#hash", "DefaultValue1", "\"half", "x",
    };
    InstrumentData data;
    for (int n = 1; n <= reagentCount; ++n) {
        const QByteArray base = n <= 12 ? awkwardNames[n - 1] : "Reagent " + QByteArray::number(n);
        data.reagents[n] = (base + QByteArray(nameLength, ' ')).left(nameLength);
    }
    for (int p = 1; p <= programCount; ++p) {
        ProgramRecord &program = data.programs[p];
        const QByteArray base = p <= 12 ? awkwardNames[12 - p] : "Program " + QByteArray::number(p);
        program.name = (base + QByteArray(nameLength, ' ')).left(nameLength);
        program.type = p % 2;
        program.duration = p * 37 - 1000;
        for (int v = 1; v <= vialCount; ++v) {
            VialStep &vial = program.vial(v);
            vial = {1 + (p * v) % 200, v % 6, (p + v) % 2, (p + v) % 100, (p * 7 + v) % 60, v % 3 ? 4 + v : 0};
        }
    }
    return data;
}

} // namespace corvex
