#include "ProgramSection.h"

#include "Cp1252.h"
#include "ModelText.h"
#include "NameForms.h"
#include "NumberText.h"
#include "ProgramType.h"
#include "ProgramValues.h"

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

} // namespace

QString missingReason()
{
    return ModelText::tr("is missing");
}

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

void readProgramNumbers(IniFile &ini, ProgramRecord &program)
{
    QList<KeyProblem> ignored;
    readCheckedProgramNumbers(ini, program, false, ignored);
}

QString problemText(const KeyProblem &problem)
{
    const QString section = QLatin1Char('[') + QString::fromLatin1(problem.section) + QLatin1Char(']');
    if (problem.key.isEmpty())
        return section + QLatin1Char(' ') + problem.reason;
    const QString key = QString::fromLatin1(problem.key);
    if (problem.value.isEmpty() && problem.reason.startsWith(missingReason()))
        return section + QLatin1Char(' ') + key + QLatin1Char(' ') + problem.reason;
    return section + QLatin1Char(' ') + key + QLatin1Char('=') + decodeCp1252(problem.value) + QStringLiteral(": ")
        + problem.reason;
}

void readCheckedProgramNumbers(IniFile &ini, ProgramRecord &program, bool values, QList<KeyProblem> &problems)
{
    const auto add = [&](QByteArrayView key, const QByteArray &value, const QString &reason) {
        problems.append({ini.sectionName(), key.toByteArray(), value, reason});
    };
    const auto check = [&](QByteArrayView key, QByteArrayView field) -> qint32 {
        QByteArray text;
        if (ini.readString(key, text) != IniFile::Result::Ok) {
            add(key, {}, missingReason());
            return 0;
        }
        const std::optional<qint32> number = parseWholeNumber(text);
        if (values && !number)
            add(key, text, ModelText::tr("is not a number"));
        else if (values && !holdsValue(field, *number))
            add(key, text, ModelText::tr("must be %1").arg(allowedValues(field)));
        return number.value_or(0);
    };

    program.duration = check("Duration", "Duration");
    QByteArray typeText;
    if (ini.readString("Type", typeText) != IniFile::Result::Ok)
        add("Type", {}, missingReason());
    else if (values && typeText != programTypeName(typeLm).toLatin1() && typeText != programTypeName(typeEm).toLatin1())
        add("Type", typeText, ModelText::tr("must be %1").arg(allowedValues("Type")));
    program.type = programTypeFromText(typeText);
    for (int v = 1; v <= vialCount; ++v) {
        VialStep &vial = program.vial(v);
        for (size_t f = 0; f < vialFields.size(); ++f)
            vial.*vialFields[f].member = check(vialKeys()[size_t(v - 1)][f], vialFields[f].name);
    }
}

} // namespace corvex
