#include "DataCompare.h"

#include "Cp1252.h"
#include "ListTexts.h"
#include "NameForms.h"
#include "NumberText.h"
#include "ProgramType.h"

namespace corvex {

namespace {

const QString emptyText = QStringLiteral("(empty)");

QByteArray storedName(const QByteArray &name)
{
    const qsizetype nul = name.indexOf('\0');
    return nameForStorage(nul < 0 ? name : name.left(nul));
}

bool isBlank(const QByteArray &name)
{
    return nameForDisplay(name).isEmpty();
}

QString nameText(const QByteArray &name)
{
    return QLatin1Char('"') + decodeCp1252(nameForDisplay(name)) + QLatin1Char('"');
}

ProgramRecord asInstrumentHolds(const ProgramRecord &given)
{
    ProgramRecord program = given;
    program.name = storedName(program.name);
    if (isBlank(program.name))
        return ProgramRecord::empty();
    program.type = program.isLM() ? typeLm : typeEm;
    for (int v = program.usedVialCount() + 1; v <= vialCount; ++v)
        program.vial(v) = VialStep::blank();
    return program;
}

struct VialField
{
    const char *name;
    qint32 VialStep::*member;
};

constexpr VialField vialFields[] = {
    {"Reagent", &VialStep::reagent}, {"Agit", &VialStep::agit}, {"Pause", &VialStep::pause},
    {"Hrs", &VialStep::hrs},         {"Min", &VialStep::min},   {"Temp", &VialStep::temp},
};

} // namespace

QList<DataDifference> compareProgram(const QString &label, int number, const ProgramRecord &leftGiven,
                                     const ProgramRecord &rightGiven)
{
    const ProgramRecord left = asInstrumentHolds(leftGiven);
    const ProgramRecord right = asInstrumentHolds(rightGiven);
    if (left == right)
        return {};
    const bool leftEmpty = isBlank(left.name);
    const bool rightEmpty = isBlank(right.name);
    if (leftEmpty || rightEmpty) {
        return {{label, leftEmpty ? emptyText : nameText(left.name), rightEmpty ? emptyText : nameText(right.name),
                 number, 0}};
    }

    QList<DataDifference> differences;
    const auto add = [&](const QString &field, const QString &a, const QString &b) {
        if (a != b)
            differences << DataDifference{label + QLatin1Char(' ') + field, a, b, number, 0};
    };
    add(QStringLiteral("Name"), nameText(left.name), nameText(right.name));
    add(QStringLiteral("Type"), programTypeName(left.type), programTypeName(right.type));
    add(QStringLiteral("Duration"), QString::number(left.duration), QString::number(right.duration));
    for (int v = 1; v <= vialCount; ++v) {
        const QString vial = QStringLiteral("V%1").arg(zeroPadded(v, 2));
        for (const VialField &field : vialFields) {
            add(vial + QLatin1String(field.name), QString::number(left.vial(v).*field.member),
                QString::number(right.vial(v).*field.member));
        }
    }
    return differences;
}

QList<DataDifference> compareData(const InstrumentData &left, const InstrumentData &right, const StorePart &part)
{
    QList<DataDifference> differences;
    for (int p = part.firstProgram; p <= part.lastProgram; ++p)
        differences += compareProgram(programNumberLabel(p), p, left.programs[p], right.programs[p]);
    if (!part.reagents)
        return differences;
    for (int r = 1; r <= reagentCount; ++r) {
        const QByteArray a = storedName(left.reagents[r]);
        const QByteArray b = storedName(right.reagents[r]);
        if (a != b)
            differences << DataDifference{reagentNumberLabel(r), nameText(a), nameText(b), 0, r};
    }
    return differences;
}

QString differenceLine(const DataDifference &difference)
{
    return difference.item + QStringLiteral(": ") + difference.left + QStringLiteral(" -> ") + difference.right;
}

} // namespace corvex
