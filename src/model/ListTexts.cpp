#include "model/ListTexts.h"

#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/NumberText.h"

QString utilityTitle()
{
    return QStringLiteral("Varnel Corvex");
}

QString noSuchProgramMessage(int number)
{
    return QStringLiteral("There is no program %1; programs are numbered 1 to 99.").arg(number);
}

QString ProgramNumberLabel(int program)
{
    return QStringLiteral("Program") + zeroPadded(program, 2);
}

QString ReagentNumberLabel(int reagent)
{
    return QStringLiteral("Reagent ") + zeroPadded(reagent, 3);
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
    return zeroPadded(number, 3) + QStringLiteral(": ") + DecodeCp1252(storedName);
}

QString PauseText(qint32 pause)
{
    return pause == 1 ? QStringLiteral("PAUSE") : QStringLiteral("CONT");
}

QString TemperatureText(qint32 temp)
{
    return (temp == 0 ? QStringLiteral("--") : zeroPadded(temp, 2)) + QStringLiteral("\u00B0C");
}

QString VialLineText(int vialNumber, const VialStep &vial, const ReagentTable &reagents)
{
    const QByteArray name = ReagentTable::isValidNumber(vial.Reagent) ? reagents[vial.Reagent]
                                                                      : nameForStorage("(unknown)");
    return QStringLiteral("Vial ") + zeroPadded(vialNumber, 2) + QStringLiteral(": ") + DecodeCp1252(name)
        + QStringLiteral(" AG") + QString::number(vial.Agit) + QLatin1Char(' ') + zeroPadded(vial.Hrs, 2)
        + QLatin1Char(':') + zeroPadded(vial.Min, 2) + QLatin1Char(' ') + TemperatureText(vial.Temp)
        + QLatin1Char(' ') + PauseText(vial.Pause);
}
