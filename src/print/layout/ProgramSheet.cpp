#include "Cp1252.h"
#include "NameForms.h"
#include "NumberText.h"
#include "ProgramType.h"
#include "SheetGeometry.h"
#include "Sheets.h"

namespace corvex {

namespace {

constexpr int usedVialColourGrey = 100;

// A vial's time or temperature on the sheet keeps two digits after a minus
// sign ("-05"), so a negative value stays as wide as the column expects.
QString twoDigitsAfterSign(qint32 value)
{
    const QString digits = zeroPadded(value < 0 ? -qint64(value) : qint64(value), 2);
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

struct ColumnHeading
{
    int x;
    const char *text;
};
constexpr ColumnHeading headings[] = {
    {2100, "Vials"}, {4275, "Agitation"}, {5700, "Duration"}, {7425, "Temp."}, {8775, "Pause/Cont."},
};
constexpr int headingY = 4350;

constexpr int vialTextX = 1050;
constexpr int agitationX = 4575;
constexpr int durationX = 5925;
constexpr int temperatureX = 7575;
constexpr int heaterOffX = 7425;
constexpr int pauseX = 9075;
constexpr int continueX = 9150;

int vialRowY(int vial) { return 4500 + 300 * vial; }

QString durationLine(qint32 minutes)
{
    // The stored total, split into whole hours and the rest; no singular forms.
    const qint64 hours = minutes / 60;
    const qint64 rest = qint64(minutes) - 60 * hours;
    return QStringLiteral("Duration: %1 hours, %2 minutes.").arg(hours).arg(rest);
}

bool printVialRow(SheetWriter &writer, int programNumber, int n, const VialStep &vial, const ReagentTable &reagents)
{
    const QString vialLabel = QStringLiteral("Vial ") + zeroPadded(n, 2) + QStringLiteral(": ");
    QString first;
    if (vial.reagent == emptyVialReagent) {
        writer.setColour(QColor(usedVialColourGrey, usedVialColourGrey, usedVialColourGrey));
        first = vialLabel + QStringLiteral("(Empty)");
    } else if (!ReagentTable::isValidNumber(vial.reagent)) {
        return writer.fail(PrintResult::Failure::ReagentOutOfRange,
                           QStringLiteral("vial %1 of program %2 names reagent %3, outside 1 to %4")
                               .arg(zeroPadded(n, 2), zeroPadded(programNumber, 2))
                               .arg(vial.reagent)
                               .arg(reagentCount));
    } else {
        writer.setColour(Qt::black);
        first = vialLabel + decodeCp1252(reagents[vial.reagent]);
    }
    const int y = vialRowY(n);
    writer.printAt(vialTextX, y, first);
    writer.printAt(agitationX, y, QStringLiteral("AG") + QString::number(vial.agit));
    writer.printAt(durationX, y, twoDigitsAfterSign(vial.hrs) + QLatin1Char(':') + twoDigitsAfterSign(vial.min));
    if (vial.temp == 0)
        writer.printAt(heaterOffX, y, QStringLiteral("H/C off"));
    else
        writer.printAt(temperatureX, y, twoDigitsAfterSign(vial.temp) + QStringLiteral("\u00B0C"));
    if (vial.pause == 1)
        writer.printAt(pauseX, y, QStringLiteral("Pause"));
    else
        writer.printAt(continueX, y, QStringLiteral("Cont."));
    return !writer.failed();
}

} // namespace

bool printProgramSheet(SheetWriter &writer, int programNumber, const InstrumentData &data)
{
    const ProgramRecord &program = data.programs[programNumber];

    if (!writer.beginSheet({14940, 4050, 4125, 4725}))
        return false;

    writer.setSize(12);
    writer.printAt(450, 3600, durationLine(program.duration));
    writer.printAt(4200, 3600, QStringLiteral("Program Type: ") + programTypeName(program.type));

    writer.setBold(true);
    for (const ColumnHeading &heading : headings)
        writer.printAt(heading.x, headingY, QLatin1String(heading.text));
    if (!writer.verticalRules({750, 4050, 5550, 7050, 8550, 10500}))
        return false;

    writer.setBold(false);
    for (int n = 1; n <= program.usedVialCount(); ++n) {
        if (!printVialRow(writer, programNumber, n, program.vial(n), data.reagents))
            return false;
    }

    writer.setColour(Qt::black);
    writer.setSize(14);
    writer.printAt(1500, 2550, QStringLiteral("Program ") + zeroPadded(programNumber, 2));

    return writer.commentAndTitle(Sheet::programTitleY, decodeCp1252(nameForDisplay(program.name)));
}

} // namespace corvex
