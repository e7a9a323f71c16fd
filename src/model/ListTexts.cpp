#include "model/ListTexts.h"

#include "model/Cp1252.h"
#include "model/FitName.h"

namespace {

QString padded(qint32 number, int width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

} // namespace

QString ProgramNumberLabel(int program)
{
    return QStringLiteral("Program") + padded(program, 2);
}

QString ReagentNumberLabel(int reagent)
{
    return QStringLiteral("Reagent ") + padded(reagent, 3);
}

QStringList AgitationTexts()
{
    return {QStringLiteral("AG0: off"),    QStringLiteral("AG1: 0,25Hz"), QStringLiteral("AG2: 0,50Hz"),
            QStringLiteral("AG3: 1,00Hz"), QStringLiteral("AG4: 2,00Hz"), QStringLiteral("AG5: 3,00Hz")};
}

QString ReagentListLine(int number, const QByteArray &storedName)
{
    return ReagentNumberLabel(number) + QStringLiteral(": \"") + DecodeCp1252(storedName)
        + QLatin1Char('"');
}

QString ReagentComboLine(int number, const QByteArray &storedName)
{
    return padded(number, 3) + QStringLiteral(": ") + DecodeCp1252(storedName);
}

QString PauseText(qint32 pause)
{
    return pause == 1 ? QStringLiteral("PAUSE") : QStringLiteral("CONT");
}

QString TemperatureText(qint32 temp)
{
    return (temp == 0 ? QStringLiteral("--") : padded(temp, 2)) + QStringLiteral("\u00B0C");
}

QString VialLineText(int vialNumber, const VialStep &vial, const ReagentTable &reagents)
{
    const QByteArray name = ReagentTable::isValidNumber(vial.Reagent) ? reagents[vial.Reagent]
                                                                      : nameForStorage("(unknown)");
    return QStringLiteral("Vial ") + padded(vialNumber, 2) + QStringLiteral(": ") + DecodeCp1252(name)
        + QStringLiteral(" AG") + QString::number(vial.Agit) + QLatin1Char(' ') + padded(vial.Hrs, 2)
        + QLatin1Char(':') + padded(vial.Min, 2) + QLatin1Char(' ') + TemperatureText(vial.Temp)
        + QLatin1Char(' ') + PauseText(vial.Pause);
}
