#include "StoreSections.h"

#include "ListTexts.h"
#include "NumberText.h"
#include "ProgramSection.h"

#include <QCryptographicHash>

namespace corvex {

QString StorePart::description() const
{
    QStringList parts;
    if (firstProgram == lastProgram)
        parts << programNumberLabel(firstProgram);
    else if (hasPrograms())
        parts << programNumberLabel(firstProgram) + QLatin1Char('-') + zeroPadded(lastProgram, 2);
    if (reagents)
        parts << QStringLiteral("Reagent 001-200");
    return parts.join(QStringLiteral(", "));
}

void writeStoreSections(IniFile &ini, const InstrumentData &data, const StorePart &part)
{
    if (part.reagents) {
        ini.setSectionName("Reagents");
        for (int n = 1; n <= reagentCount; ++n)
            ini.writeString(reagentKey(n), nameValue(data.reagents[n]));
    }
    for (int p = part.firstProgram; p <= part.lastProgram; ++p) {
        ini.setSectionName(programSectionName(p, true));
        writeProgramKeys(ini, data.programs[p]);
    }
}

QByteArray storeSectionsText(const InstrumentData &data, const StorePart &part)
{
    IniFile ini;
    ini.setFileName(QStringLiteral("sections")); // never read nor written: startEmpty
    ini.startEmpty();
    writeStoreSections(ini, data, part);
    return ini.text();
}

QString contentFingerprint(const QByteArray &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(12));
}

QString partFingerprint(const InstrumentData &data, const StorePart &part)
{
    return contentFingerprint(storeSectionsText(data, part));
}

QString reagentFingerprint(const InstrumentData &data, int reagent)
{
    IniFile ini;
    ini.setFileName(QStringLiteral("sections"));
    ini.startEmpty();
    ini.setSectionName("Reagents");
    ini.writeString(reagentKey(reagent), nameValue(data.reagents[reagent]));
    return contentFingerprint(ini.text());
}

} // namespace corvex
