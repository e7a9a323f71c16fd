#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/NumberText.h"
#include "model/ProgramType.h"
#include "print/SheetGeometry.h"
#include "print/Sheets.h"

namespace {

constexpr int UsedVialColourGrey = 100;

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
constexpr ColumnHeading Headings[] = {
    {2100, "Vials"}, {4275, "Agitation"}, {5700, "Duration"}, {7425, "Temp."}, {8775, "Pause/Cont."},
};
constexpr int HeadingY = 4350;

constexpr int VialTextX = 1050;
constexpr int AgitationX = 4575;
constexpr int DurationX = 5925;
constexpr int TemperatureX = 7575;
constexpr int HeaterOffX = 7425;
constexpr int PauseX = 9075;
constexpr int ContinueX = 9150;

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
    if (vial.Reagent == EmptyVialReagent) {
        writer.setColour(QColor(UsedVialColourGrey, UsedVialColourGrey, UsedVialColourGrey));
        first = vialLabel + QStringLiteral("(Empty)");
    } else if (!ReagentTable::isValidNumber(vial.Reagent)) {
        return writer.fail(PrintResult::Failure::ReagentOutOfRange,
                           QStringLiteral("vial %1 of program %2 names reagent %3, outside 1 to %4")
                               .arg(zeroPadded(n, 2), zeroPadded(programNumber, 2))
                               .arg(vial.Reagent)
                               .arg(ReagentCount));
    } else {
        writer.setColour(Qt::black);
        first = vialLabel + DecodeCp1252(reagents[vial.Reagent]);
    }
    const int y = vialRowY(n);
    writer.printAt(VialTextX, y, first);
    writer.printAt(AgitationX, y, QStringLiteral("AG") + QString::number(vial.Agit));
    writer.printAt(DurationX, y, twoDigitsAfterSign(vial.Hrs) + QLatin1Char(':') + twoDigitsAfterSign(vial.Min));
    if (vial.Temp == 0)
        writer.printAt(HeaterOffX, y, QStringLiteral("H/C off"));
    else
        writer.printAt(TemperatureX, y, twoDigitsAfterSign(vial.Temp) + QStringLiteral("\u00B0C"));
    if (vial.Pause == 1)
        writer.printAt(PauseX, y, QStringLiteral("Pause"));
    else
        writer.printAt(ContinueX, y, QStringLiteral("Cont."));
    return !writer.failed();
}

} // namespace

bool PrintProgramSheet(SheetWriter &writer, int programNumber, const InstrumentData &data)
{
    const ProgramRecord &program = data.programs[programNumber];

    if (!writer.beginSheet({14940, 4050, 4125, 4725}))
        return false;

    writer.setSize(12);
    writer.printAt(450, 3600, durationLine(program.Duration));
    writer.printAt(4200, 3600, QStringLiteral("Program Type: ") + ProgramTypeName(program.Type));

    writer.setBold(true);
    for (const ColumnHeading &heading : Headings)
        writer.printAt(heading.x, HeadingY, QLatin1String(heading.text));
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

    return writer.commentAndTitle(Sheet::ProgramTitleY, DecodeCp1252(nameForDisplay(program.Name)));
}
