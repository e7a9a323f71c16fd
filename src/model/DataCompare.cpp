#include "model/DataCompare.h"

#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "model/NumberText.h"
#include "model/ProgramType.h"

namespace {

const QString EmptyText = QStringLiteral("(empty)");

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
    return QLatin1Char('"') + DecodeCp1252(nameForDisplay(name)) + QLatin1Char('"');
}

ProgramRecord asInstrumentHolds(const ProgramRecord &given)
{
    ProgramRecord program = given;
    program.Name = storedName(program.Name);
    if (isBlank(program.Name))
        return ProgramRecord::Empty();
    program.Type = program.isLM() ? TypeLM : TypeEM;
    for (int v = program.usedVialCount() + 1; v <= VialCount; ++v)
        program.vial(v) = VialStep::Blank();
    return program;
}

struct VialField
{
    const char *name;
    qint32 VialStep::*member;
};

constexpr VialField VialFields[] = {
    {"Reagent", &VialStep::Reagent}, {"Agit", &VialStep::Agit}, {"Pause", &VialStep::Pause},
    {"Hrs", &VialStep::Hrs},         {"Min", &VialStep::Min},   {"Temp", &VialStep::Temp},
};

} // namespace

QList<DataDifference> CompareProgram(const QString &label, int number, const ProgramRecord &leftGiven,
                                     const ProgramRecord &rightGiven)
{
    const ProgramRecord left = asInstrumentHolds(leftGiven);
    const ProgramRecord right = asInstrumentHolds(rightGiven);
    if (left == right)
        return {};
    const bool leftEmpty = isBlank(left.Name);
    const bool rightEmpty = isBlank(right.Name);
    if (leftEmpty || rightEmpty) {
        return {{label, leftEmpty ? EmptyText : nameText(left.Name), rightEmpty ? EmptyText : nameText(right.Name),
                 number, 0}};
    }

    QList<DataDifference> differences;
    const auto add = [&](const QString &field, const QString &a, const QString &b) {
        if (a != b)
            differences << DataDifference{label + QLatin1Char(' ') + field, a, b, number, 0};
    };
    add(QStringLiteral("Name"), nameText(left.Name), nameText(right.Name));
    add(QStringLiteral("Type"), ProgramTypeName(left.Type), ProgramTypeName(right.Type));
    add(QStringLiteral("Duration"), QString::number(left.Duration), QString::number(right.Duration));
    for (int v = 1; v <= VialCount; ++v) {
        const QString vial = QStringLiteral("V%1").arg(zeroPadded(v, 2));
        for (const VialField &field : VialFields) {
            add(vial + QLatin1String(field.name), QString::number(left.vial(v).*field.member),
                QString::number(right.vial(v).*field.member));
        }
    }
    return differences;
}

QList<DataDifference> CompareData(const InstrumentData &left, const InstrumentData &right, const StorePart &part)
{
    QList<DataDifference> differences;
    for (int p = part.firstProgram; p <= part.lastProgram; ++p)
        differences += CompareProgram(ProgramNumberLabel(p), p, left.programs[p], right.programs[p]);
    if (!part.reagents)
        return differences;
    for (int r = 1; r <= ReagentCount; ++r) {
        const QByteArray a = storedName(left.reagents[r]);
        const QByteArray b = storedName(right.reagents[r]);
        if (a != b)
            differences << DataDifference{ReagentNumberLabel(r), nameText(a), nameText(b), 0, r};
    }
    return differences;
}

QString DifferenceLine(const DataDifference &difference)
{
    return difference.item + QStringLiteral(": ") + difference.left + QStringLiteral(" -> ") + difference.right;
}
