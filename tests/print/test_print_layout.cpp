#include "PrintLayout.h"
#include "PrintStamp.h"
#include "SheetFixtures.h"

#include <QTest>

using namespace corvex;

using Item = RecordingSurface::Item;

namespace {

PrintRequest sheetsRequest(int first, int last, PrintRequest::Content content = PrintRequest::Content::Programs)
{
    PrintRequest request;
    request.content = content;
    request.firstProgram = QString::number(first);
    request.lastProgram = QString::number(last);
    request.dateText = QStringLiteral("06.12.2026");
    request.timeText = QStringLiteral("18:30");
    request.comment = QStringLiteral("Histology lab 2");
    return request;
}

// The coordinates of the horizontal rules (y) or of the vertical ones (x), in drawing order.
QList<double> ruleCoordinates(const RecordingSurface &surface, bool horizontal)
{
    QList<double> found;
    for (const Item &item : surface.lines(1)) {
        if ((item.line.y1() == item.line.y2()) == horizontal)
            found.append(horizontal ? item.line.y1() : item.line.x1());
    }
    return found;
}

// The texts whose top stands at `y`, left to right as drawn, joined by '|'.
QString textsAt(const RecordingSurface &surface, double y, int page = 0)
{
    QStringList found;
    for (const Item &item : surface.texts(page)) {
        if (item.position.y() == y)
            found << item.text;
    }
    return found.join(QLatin1Char('|'));
}

// One line of a program sheet: its texts left to right (split by '|') and
// their font state (see styleOf).
struct SheetLine { int y = 0; const char *texts = "", *style = ""; };

// The reagent list with a non-blank name beyond 50 (or 0): how many entries, their font state, the vertical rules.
struct Columns { int extraName, entries; const char *style; QList<double> verticals; };

// What goes wrong in a run: the printer at an operation, a vial's reagent number, or an empty logo.
struct Breakdown { std::optional<Item::Kind> printerFailsAt; int badReagent = 0; bool emptyLogo = false; PrintResult::Failure failure{}; };

// First and last program as typed (none: the reagent list), the first and last sheet printed, the last sheet's footer.
struct JobSheets { QStringList typed; QList<int> printed; QString footer; };

} // namespace

class TestPrintLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programSheetLines_data()
    {
        QTest::addColumn<SheetLine>("line");

        QTest::newRow("title keeps leading blanks") << SheetLine{1875, "  Routine  \u00C4", "24bu"};
        QTest::newRow("duration and type") << SheetLine{3600, "Duration: 2 hours, 5 minutes.|Program Type: LM", "12"};
        QTest::newRow("used vial") << SheetLine{4800, "Vial 01: Ethanol 70%  |AG3|01:30|37\u00B0C|Cont.", "12"};
        QTest::newRow("empty vial, all grey") << SheetLine{5100, "Vial 02: (Empty)|AG4|02:00|45\u00B0C|Pause", "12g"};
        QTest::newRow("next used vial black, heater off") << SheetLine{5400, "Vial 03: Formalin 10% |AG0|00:05|H/C off|Pause", "12"};
        QTest::newRow("windows-1252 name, 4 degrees") << SheetLine{5700, "Vial 04: Xylol \u00E4      |AG5|12:00|04\u00B0C|Cont.", "12"};
        QTest::newRow("last row empty") << SheetLine{8100, "Vial 12: (Empty)|AG0|00:00|H/C off|Cont.", "12g"};
        QTest::newRow("LM: no vial 13") << SheetLine{8400, "", ""};
    }

    void programSheetLines()
    {
        QFETCH(SheetLine, line);

        InstrumentData data = sampleData();
        ProgramRecord &program = data.programs[7] = sampleProgram("  Routine  \xC4", typeLm);
        const VialStep vials[] = {{3, 3, 0, 1, 30, 37}, {1, 4, 1, 2, 0, 45}, {2, 0, 1, 0, 5, 0}, {4, 5, 0, 12, 0, 4}, {2, 1, 2, 123, 7, 160}, {2, 1, 0, -3, -5, -4}};
        std::copy(std::begin(vials), std::end(vials), program.vials.begin());
        program.vial(12) = VialStep::blank();
        program.vial(20).reagent = 999; // unused by LM, so never looked up
        RecordingSurface surface;
        QVERIFY(runPrintLayout(data, sheetsRequest(7, 7), surface));

        for (const Item &item : surface.texts())
            QVERIFY(item.position.y() != line.y || item.style == styleOf(QString::fromUtf8(line.style)));
        QCOMPARE(textsAt(surface, line.y), QString::fromUtf8(line.texts));
    }

    void sheetsOfOneJob_data()
    {
        QTest::addColumn<JobSheets>("row");
        QTest::newRow("3 to 5, date and time") << JobSheets{QStringList{"3", "5"}, QList<int>{3, 5}, "06.12.2026|18:30"};
        QTest::newRow("last below first is raised, no footer") << JobSheets{QStringList{"5", "3"}, QList<int>{5, 5}, ""};
        QTest::newRow("0 gives 1, 150 gives 99, date") << JobSheets{QStringList{"0", "150"}, QList<int>{1, 99}, "06.12.2026"};
        QTest::newRow("reagent list, time") << JobSheets{QStringList(), QList<int>{1, 1}, "18:30"};
    }

    void sheetsOfOneJob()
    {
        QFETCH(JobSheets, row);
        const auto &[typed, printed, footer] = row;
        InstrumentData data = sampleData();
        for (int p = 1; p <= programCount; ++p)
            data.programs[p] = sampleProgram("Routine", typeEm);
        PrintRequest request = sheetsRequest(1, 1, typed.isEmpty() ? PrintRequest::Content::ReagentList : PrintRequest::Content::Programs);
        request.firstProgram = typed.value(0);
        request.lastProgram = typed.value(1);
        request.date = footer.contains(QLatin1String("2026"));
        request.time = footer.contains(QLatin1String("18:30"));
        RecordingSurface surface;
        QVERIFY(runPrintLayout(data, request, surface));

        const int sheets = printed[1] - printed[0] + 1;
        QCOMPARE(surface.pageCount(), sheets);
        for (int page = 1; page <= sheets && !typed.isEmpty(); ++page) {
            const QString numberLine = QStringLiteral("Program %1").arg(printed[0] + page - 1, 2, 10, QLatin1Char('0'));
            QCOMPARE(surface.findText(numberLine, page).text, numberLine);
        }
        QCOMPARE(textsAt(surface, 15000, sheets), footer);
        QCOMPARE(ruleCoordinates(surface, true).contains(15300), request.date || request.time);
    }

    void reagentListColumns_data()
    {
        QTest::addColumn<Columns>("columns");
        QTest::newRow("names 51..200 blank: two columns") << Columns{0, 50, "18", {750, 5640, 10500}};
        QTest::newRow("name 51: four columns") << Columns{51, 200, "10", {750, 5640, 10500, 3195, 8085}};
        QTest::newRow("name 200: four columns") << Columns{200, 200, "10", {750, 5640, 10500, 3195, 8085}};
    }

    void reagentListColumns()
    {
        QFETCH(Columns, columns);
        InstrumentData data = sampleData();
        if (columns.extraName)
            data.reagents[columns.extraName] = nameForStorage("  x");
        data.reagents[30] = QByteArray(nameLength, ' '); // blank names print too
        RecordingSurface surface;
        QVERIFY(runPrintLayout(data, sheetsRequest(1, 1, PrintRequest::Content::ReagentList), surface));

        QCOMPARE(surface.pageCount(), 1);
        QCOMPARE(ruleCoordinates(surface, false), columns.verticals);
        int rows = 0;
        for (const Item &item : surface.texts()) {
            if (item.text.mid(3, 2) == QLatin1String(": ") && ++rows) {
                QCOMPARE(item.style, styleOf(QLatin1String(columns.style)));
                QCOMPARE(item.text, QStringLiteral("%1: ").arg(rows, 3, 10, QLatin1Char('0')) + QString::fromLatin1(data.reagents[rows]));
            }
        }
        QCOMPARE(rows, columns.entries);
    }

    void failureEndsTheRun_data()
    {
        QTest::addColumn<Breakdown>("breakdown");

        const auto printer = PrintResult::Failure::PrinterFailed;
        QTest::newRow("printer does not start") << Breakdown{Item::DrawingMode, 0, false, printer};
        QTest::newRow("line fails") << Breakdown{Item::Line, 0, false, printer};
        QTest::newRow("end of job fails") << Breakdown{Item::EndJob, 0, false, printer};
        QTest::newRow("logo cannot be scaled") << Breakdown{std::nullopt, 0, true, PrintResult::Failure::LogoNotScalable};
        QTest::newRow("reagent 201 in a vial") << Breakdown{std::nullopt, 201, false, PrintResult::Failure::ReagentOutOfRange};
    }

    void failureEndsTheRun()
    {
        QFETCH(Breakdown, breakdown);

        InstrumentData data = sampleData();
        data.programs[2] = sampleProgram("Routine", typeEm);
        if (breakdown.badReagent)
            data.programs[2].vial(3).reagent = breakdown.badReagent;
        PrintRequest request = sheetsRequest(1, 3);
        request.logo = true;
        request.logoPicture = breakdown.emptyLogo ? QImage() : QImage(20, 10, QImage::Format_RGB32);
        RecordingSurface surface;
        if (breakdown.printerFailsAt)
            surface.failAt(*breakdown.printerFailsAt, *breakdown.printerFailsAt == Item::Line ? 3 : 1);

        const PrintResult result = runPrintLayout(data, request, surface);
        QCOMPARE(result.failure, breakdown.failure);
        QVERIFY(!result.detail.isEmpty());
        if (breakdown.badReagent)
            QVERIFY(result.detail.contains(QString::number(breakdown.badReagent)));
        QVERIFY(!surface.ended());
        // Sheets that cannot be composed never reach the printer; a job the printer broke off is dropped.
        QVERIFY(breakdown.printerFailsAt ? surface.discarded() : surface.items().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "test_print_layout.moc"
