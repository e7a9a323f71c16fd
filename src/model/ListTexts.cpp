#include "ListTexts.h"

#include "Cp1252.h"
#include "ModelText.h"
#include "NameForms.h"
#include "NumberText.h"

#include <QCoreApplication>

namespace corvex {

QString utilityTitle()
{
    return QStringLiteral("Varnel Corvex");
}

QString noSuchProgramMessage(int number)
{
    return ModelText::tr("There is no program %1; programs are numbered 1 to 99.").arg(number);
}

QString programNumberLabel(int program)
{
    return QStringLiteral("Program") + zeroPadded(program, 2);
}

QString reagentNumberLabel(int reagent)
{
    return QStringLiteral("Reagent ") + zeroPadded(reagent, 3);
}

QStringList agitationTexts()
{
    return {QCoreApplication::translate("ListTexts", "AG0: off"),
            QStringLiteral("AG1: 0,25Hz"),
            QStringLiteral("AG2: 0,50Hz"),
            QStringLiteral("AG3: 1,00Hz"),
            QStringLiteral("AG4: 2,00Hz"),
            QStringLiteral("AG5: 3,00Hz")};
}

QString reagentListLine(int number, const QByteArray &storedName)
{
    // The log and the compare list keep reagentNumberLabel's English word.
    return QCoreApplication::translate("ListTexts", "Reagent") + QLatin1Char(' ') + zeroPadded(number, 3)
        + QStringLiteral(": \"") + decodeCp1252(storedName) + QLatin1Char('"');
}

QString reagentComboLine(int number, const QByteArray &storedName)
{
    return zeroPadded(number, 3) + QStringLiteral(": ") + decodeCp1252(storedName);
}

QString pauseText(qint32 pause)
{
    return pause == 1 ? QStringLiteral("PAUSE") : QStringLiteral("CONT");
}

QString temperatureText(qint32 temp)
{
    return (temp == 0 ? QStringLiteral("--") : zeroPadded(temp, 2)) + QStringLiteral("\u00B0C");
}

QString vialLineText(int vialNumber, const VialStep &vial, const ReagentTable &reagents)
{
    const QByteArray name = ReagentTable::isValidNumber(vial.reagent) ? reagents[vial.reagent]
                                                                      : nameForStorage("(unknown)");
    return QCoreApplication::translate("ListTexts", "Vial") + QLatin1Char(' ') + zeroPadded(vialNumber, 2)
        + QStringLiteral(": ") + decodeCp1252(name)
        + QStringLiteral(" AG") + QString::number(vial.agit) + QLatin1Char(' ') + zeroPadded(vial.hrs, 2)
        + QLatin1Char(':') + zeroPadded(vial.min, 2) + QLatin1Char(' ') + temperatureText(vial.temp)
        + QLatin1Char(' ') + pauseText(vial.pause);
}

} // namespace corvex
