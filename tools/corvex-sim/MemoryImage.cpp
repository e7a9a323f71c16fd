#include "MemoryImage.h"

#include "MemoryMap.h"
#include "NameForms.h"
#include "WholeFile.h"

#include <QFile>

namespace corvex {

MemoryImage::MemoryImage()
    : m_bytes(size, '\0')
{
}

quint8 MemoryImage::read(int address) const
{
    return static_cast<quint8>(m_bytes[address & (size - 1)]);
}

void MemoryImage::write(int address, quint8 value)
{
    m_bytes[address & (size - 1)] = static_cast<char>(value);
}

void MemoryImage::writeBlock(int address, const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        write(address + static_cast<int>(i), static_cast<quint8>(bytes[i]));
}

bool MemoryImage::load(const QString &file, QString *error)
{
    QFile input(file);
    if (!input.exists())
        return true;
    if (!input.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(file, input.errorString());
        return false;
    }
    if (input.size() > size) {
        *error = QStringLiteral("%1 is larger than the instrument's memory (%2 bytes)").arg(file).arg(size);
        return false;
    }
    const QByteArray content = input.readAll();
    m_bytes = content + QByteArray(size - content.size(), '\0');
    return true;
}

bool MemoryImage::save(const QString &file, QString *error) const
{
    const StoreResult saved = writeWholeFile(file, m_bytes);
    if (!saved)
        *error = saved.error;
    return saved.ok;
}

namespace {

VialStep vial(int reagent, int agit, int hrs, int min, int temp, int pause = 0)
{
    return VialStep{reagent, agit, pause, hrs, min, temp};
}

void putProgram(MemoryImage &memory, int number, const QByteArray &name, qint32 type, const QList<VialStep> &vials)
{
    ProgramRecord program = ProgramRecord::empty();
    program.name = nameForStorage(name);
    program.type = type;
    program.duration = 0;
    for (int v = 1; v <= vials.size(); ++v) {
        program.vial(v) = vials[v - 1];
        program.duration += vials[v - 1].hrs * 60 + vials[v - 1].min;
    }
    const int base = programAddress(number);
    for (const BlockByte &byte : encodeProgram(program))
        memory.write(base + byte.offset, static_cast<quint8>(byte.value));
}

} // namespace

void fillDemoImage(MemoryImage &memory)
{
    const char *const reagents[] = {
        "(empty)",      "Formalin 10%", "Formalin 4%",  "Water",        "Ethanol 70%",  "Ethanol 80%",
        "Ethanol 90%",  "Ethanol 96%",  "Ethanol 100%", "Isopropanol",  "Xylene",       "Toluene",
        "Clearene",     "Paraffin 1",   "Paraffin 2",   "Paraffin 3",   "Acetone",      "Glutaraldeh.",
        "Osmium 1%",    "Cacodylate",   "Propylene ox", "Epon resin",   "Uranyl acet.", "Buffer pH7.4",
    };
    const int count = static_cast<int>(std::size(reagents));
    for (int r = 1; r <= reagentCount; ++r) {
        const QByteArray name = r <= count ? QByteArray(reagents[r - 1]) : QByteArray();
        memory.writeBlock(reagentAddress(r), nameForStorage(name));
    }

    for (int p = 1; p <= programCount; ++p)
        putProgram(memory, p, QByteArray(), typeEm, {});
    putProgram(memory, 1, "ROUTINE", typeEm,
               {vial(2, 3, 2, 0, 37), vial(5, 3, 1, 0, 0), vial(6, 3, 1, 0, 0), vial(8, 3, 1, 0, 0),
                vial(9, 3, 1, 0, 0), vial(9, 3, 1, 30, 0), vial(11, 3, 1, 0, 0), vial(11, 3, 1, 0, 0),
                vial(14, 2, 1, 0, 60), vial(15, 2, 1, 30, 60), vial(16, 2, 2, 0, 60, 1)});
    putProgram(memory, 2, "BIOPSY", typeLm,
               {vial(2, 2, 0, 30, 37), vial(5, 2, 0, 15, 0), vial(8, 2, 0, 15, 0), vial(9, 2, 0, 30, 0),
                vial(11, 2, 0, 20, 0), vial(14, 1, 0, 30, 60), vial(15, 1, 0, 30, 60, 1)});
    putProgram(memory, 3, "EM EPON", typeEm,
               {vial(18, 1, 2, 0, 4), vial(20, 1, 0, 30, 4), vial(19, 1, 1, 0, 4), vial(20, 1, 0, 30, 4),
                vial(5, 1, 0, 15, 4), vial(6, 1, 0, 15, 4), vial(8, 1, 0, 15, 0), vial(9, 1, 0, 30, 0),
                vial(21, 1, 0, 30, 0), vial(22, 1, 12, 0, 0, 1)});
}

} // namespace corvex
