#include "model/ProgramSection.h"

#include "model/FitName.h"
#include "model/NumberText.h"
#include "model/ProgramType.h"

#include <array>
#include <optional>

namespace {

struct VialField
{
    const char *name;
    qint32 VialStep::*member;
};

constexpr std::array<VialField, 6> VialFields = {{
    {"Reagent", &VialStep::Reagent},
    {"Agit", &VialStep::Agit},
    {"Pause", &VialStep::Pause},
    {"Hrs", &VialStep::Hrs},
    {"Min", &VialStep::Min},
    {"Temp", &VialStep::Temp},
}};

QByteArray twoDigits(int number)
{
    return zeroPadded(number, 2).toLatin1();
}

// V01Reagent .. V24Temp, in the order they are written: [vial - 1][field].
const std::array<std::array<QByteArray, 6>, VialCount> &vialKeys()
{
    static const auto keys = [] {
        std::array<std::array<QByteArray, 6>, VialCount> names;
        for (int v = 1; v <= VialCount; ++v) {
            for (size_t f = 0; f < VialFields.size(); ++f)
                names[size_t(v - 1)][f] = 'V' + twoDigits(v) + VialFields[f].name;
        }
        return names;
    }();
    return keys;
}

// The value of a numeric key, or nullopt when it is missing or not a number.
std::optional<qint32> readNumber(IniFile &ini, QByteArrayView key)
{
    QByteArray text;
    if (ini.ReadString(key, text) != IniFile::Ok)
        return std::nullopt;
    return ParseWholeNumber(text);
}

} // namespace

QByteArray ProgramSectionName(int number, bool numbered)
{
    return numbered ? "Program" + twoDigits(number) : QByteArray("Program");
}

QByteArray ReagentKey(int number)
{
    return 'R' + zeroPadded(number, 3).toLatin1();
}

QByteArray NameValue(const QByteArray &storedName)
{
    // A value ends at a NUL byte (a name read from blank instrument memory has
    // them); the quoting is decided on what is left, or an opening quote would
    // be written without its closing one.
    const qsizetype nul = storedName.indexOf('\0');
    const QByteArray name = nameForStorage(nul < 0 ? storedName : storedName.left(nul));
    if (nameForStorage(IniFile::ValueAsRead(name)) == name)
        return name;
    return '"' + name + '"';
}

void WriteProgramKeys(IniFile &ini, const ProgramRecord &program)
{
    ini.WriteString("Name", NameValue(program.Name));
    ini.WriteString("Duration", QByteArray::number(program.Duration));
    ini.WriteString("Type", ProgramTypeName(program.Type).toLatin1());
    for (int v = 1; v <= VialCount; ++v) {
        const VialStep &vial = program.vial(v);
        for (size_t f = 0; f < VialFields.size(); ++f)
            ini.WriteString(vialKeys()[size_t(v - 1)][f], QByteArray::number(vial.*VialFields[f].member));
    }
}

bool ReadProgramNumbers(IniFile &ini, ProgramRecord &program)
{
    bool complete = true;
    const auto read = [&](QByteArrayView key) {
        const std::optional<qint32> number = readNumber(ini, key);
        complete = complete && number.has_value();
        return number.value_or(0);
    };

    program.Duration = read(QByteArrayView("Duration"));
    QByteArray typeText;
    ini.ReadString("Type", typeText);
    program.Type = ProgramTypeFromText(typeText);
    for (int v = 1; v <= VialCount; ++v) {
        VialStep &vial = program.vial(v);
        for (size_t f = 0; f < VialFields.size(); ++f)
            vial.*VialFields[f].member = read(vialKeys()[size_t(v - 1)][f]);
    }
    return complete;
}
