#include "ProgramSection.h"

#include "NameForms.h"
#include "NumberText.h"
#include "ProgramType.h"

#include <array>
#include <optional>

namespace corvex {

namespace {

struct VialField
{
    const char *name;
    qint32 VialStep::*member;
};

constexpr std::array<VialField, 6> vialFields = {{
    {"Reagent", &VialStep::reagent},
    {"Agit", &VialStep::agit},
    {"Pause", &VialStep::pause},
    {"Hrs", &VialStep::hrs},
    {"Min", &VialStep::min},
    {"Temp", &VialStep::temp},
}};

QByteArray twoDigits(int number)
{
    return zeroPadded(number, 2).toLatin1();
}

// V01Reagent .. V24Temp, in the order they are written: [vial - 1][field].
const std::array<std::array<QByteArray, 6>, vialCount> &vialKeys()
{
    static const auto keys = [] {
        std::array<std::array<QByteArray, 6>, vialCount> names;
        for (int v = 1; v <= vialCount; ++v) {
            for (size_t f = 0; f < vialFields.size(); ++f)
                names[size_t(v - 1)][f] = 'V' + twoDigits(v) + vialFields[f].name;
        }
        return names;
    }();
    return keys;
}

// The value of a numeric key, or nullopt when it is missing or not a number.
std::optional<qint32> readNumber(IniFile &ini, QByteArrayView key)
{
    QByteArray text;
    if (ini.readString(key, text) != IniFile::Result::Ok)
        return std::nullopt;
    return parseWholeNumber(text);
}

} // namespace

QByteArray programSectionName(int number, bool numbered)
{
    return numbered ? "Program" + twoDigits(number) : QByteArray("Program");
}

QByteArray reagentKey(int number)
{
    return 'R' + zeroPadded(number, 3).toLatin1();
}

QByteArray nameValue(const QByteArray &storedName)
{
    // A value ends at a NUL byte (a name read from blank instrument memory has
    // them); the quoting is decided on what is left, or an opening quote would
    // be written without its closing one.
    const qsizetype nul = storedName.indexOf('\0');
    const QByteArray name = nameForStorage(nul < 0 ? storedName : storedName.left(nul));
    if (nameForStorage(IniFile::valueAsRead(name)) == name)
        return name;
    return '"' + name + '"';
}

void writeProgramKeys(IniFile &ini, const ProgramRecord &program)
{
    ini.writeString("Name", nameValue(program.name));
    ini.writeString("Duration", QByteArray::number(program.duration));
    ini.writeString("Type", programTypeName(program.type).toLatin1());
    for (int v = 1; v <= vialCount; ++v) {
        const VialStep &vial = program.vial(v);
        for (size_t f = 0; f < vialFields.size(); ++f)
            ini.writeString(vialKeys()[size_t(v - 1)][f], QByteArray::number(vial.*vialFields[f].member));
    }
}

bool readProgramNumbers(IniFile &ini, ProgramRecord &program)
{
    bool complete = true;
    const auto read = [&](QByteArrayView key) {
        const std::optional<qint32> number = readNumber(ini, key);
        complete = complete && number.has_value();
        return number.value_or(0);
    };

    program.duration = read(QByteArrayView("Duration"));
    QByteArray typeText;
    ini.readString("Type", typeText);
    program.type = programTypeFromText(typeText);
    for (int v = 1; v <= vialCount; ++v) {
        VialStep &vial = program.vial(v);
        for (size_t f = 0; f < vialFields.size(); ++f)
            vial.*vialFields[f].member = read(vialKeys()[size_t(v - 1)][f]);
    }
    return complete;
}

} // namespace corvex
