#include "model/StoreSections.h"

#include "model/ListTexts.h"
#include "model/NumberText.h"
#include "model/ProgramSection.h"

#include <QCryptographicHash>

QString StorePart::description() const
{
    QStringList parts;
    if (firstProgram == lastProgram)
        parts << ProgramNumberLabel(firstProgram);
    else if (hasPrograms())
        parts << ProgramNumberLabel(firstProgram) + QLatin1Char('-') + zeroPadded(lastProgram, 2);
    if (reagents)
        parts << QStringLiteral("Reagent 001-200");
    return parts.join(QStringLiteral(", "));
}

void WriteStoreSections(IniFile &ini, const InstrumentData &data, const StorePart &part)
{
    if (part.reagents) {
        ini.SetSectionName("Reagents");
        for (int n = 1; n <= ReagentCount; ++n)
            ini.WriteString(ReagentKey(n), NameValue(data.reagents[n]));
    }
    for (int p = part.firstProgram; p <= part.lastProgram; ++p) {
        ini.SetSectionName(ProgramSectionName(p, true));
        WriteProgramKeys(ini, data.programs[p]);
    }
}

QByteArray StoreSectionsText(const InstrumentData &data, const StorePart &part)
{
    IniFile ini;
    ini.SetFileName(QStringLiteral("sections")); // never read nor written: StartEmpty
    ini.StartEmpty();
    WriteStoreSections(ini, data, part);
    return ini.Text();
}

QString ContentFingerprint(const QByteArray &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(12));
}

QString PartFingerprint(const InstrumentData &data, const StorePart &part)
{
    return ContentFingerprint(StoreSectionsText(data, part));
}

QString ReagentFingerprint(const InstrumentData &data, int reagent)
{
    IniFile ini;
    ini.SetFileName(QStringLiteral("sections"));
    ini.StartEmpty();
    ini.SetSectionName("Reagents");
    ini.WriteString(ReagentKey(reagent), NameValue(data.reagents[reagent]));
    return ContentFingerprint(ini.Text());
}
