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
    for (const Item &item : textsAtY(surface, y, page))
        found << item.text;
    return found.join(QLatin1Char('|'));
}

// One line of a program sheet: its texts left to right (split by '|') and
// their font state (see styleOf).
struct SheetLine { int y = 0; const char *texts = "", *style = ""; };

// `lines`: the duration and type line | the title.
struct Variant { bool emptySlot = false; int type = typeEm, duration = 0, rows = 0, greyRows = 0; const char *lines = ""; };

// What goes wrong in a run: the printer at an operation, a vial's reagent
// number, or an empty logo.
// The reagent list with a non-blank name beyond 50 (or 0): how many entries, their font state, the vertical rules.
struct Columns { int extraName, entries; const char *style; QList<double> verticals; };

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
        QTest::newRow("long numbers, pause 2") << SheetLine{6000, "Vial 05: Formalin 10% |AG1|123:07|160\u00B0C|Cont.", "12"};
        QTest::newRow("negative numbers keep their sign") << SheetLine{6300, "Vial 06: Formalin 10% |AG1|-03:-05|-04\u00B0C|Cont.", "12"};
        QTest::newRow("last row empty") << SheetLine{8100, "Vial 12: (Empty)|AG0|00:00|H/C off|Cont.", "12g"};
    }

    void programSheetLines()
    {
        QFETCH(SheetLine, line);

        InstrumentData data = sampleData();
        ProgramRecord &program = data.programs[7] = sampleProgram("  Routine  \xC4", typeLm);
        const VialStep vials[] = {{3, 3, 0, 1, 30, 37}, {1, 4, 1, 2, 0, 45}, {2, 0, 1, 0, 5, 0}, {4, 5, 0, 12, 0, 4}, {2, 1, 2, 123, 7, 160}, {2, 1, 0, -3, -5, -4}};
        std::copy(std::begin(vials), std::end(vials), program.vials.begin());
        program.vial(12) = VialStep::blank();
        RecordingSurface surface;
        QVERIFY(runPrintLayout(data, sheetsRequest(7, 7), surface));

        for (const Item &item : textsAtY(surface, line.y))
            QCOMPARE(item.style, styleOf(QString::fromUtf8(line.style)));
        QCOMPARE(textsAt(surface, line.y), QString::fromUtf8(line.texts));
    }

    void programVariants_data()
    {
        QTest::addColumn<Variant>("variant");

        QTest::newRow("LM, 59 minutes") << Variant{false, typeLm, 59, 12, 0, "Duration: 0 hours, 59 minutes.|Program Type: LM|Routine"};
        QTest::newRow("EM, 60 minutes, no singular") << Variant{false, typeEm, 60, 24, 0, "Duration: 1 hours, 0 minutes.|Program Type: EM|Routine"};
        QTest::newRow("slot without a program") << Variant{true, typeEm, 0, 24, 24, "Duration: 0 hours, 0 minutes.|Program Type: EM|"};
    }

    void programVariants()
    {
        QFETCH(Variant, variant);

        InstrumentData data = sampleData();
        if (!variant.emptySlot) {
            data.programs[4] = sampleProgram("Routine", variant.type);
            data.programs[4].duration = variant.duration; // stored, never the sum of the vials
            data.programs[4].vial(24).reagent = variant.type == typeLm ? 999 : 2; // unused by LM, so never looked up
        }
        PrintRequest request = sheetsRequest(4, 4);
        request.comment.clear();
        RecordingSurface surface;
        QVERIFY(runPrintLayout(data, request, surface));

        // An empty title and an empty comment still print, at their places.
        QCOMPARE(textsAt(surface, 3600) + QLatin1Char('|') + textsAt(surface, 1875), QString::fromUtf8(variant.lines));
        QCOMPARE(textsAtY(surface, 1875).size() + textsAtY(surface, 450).size(), 2);
        const QList<Item> texts = surface.texts();
        QCOMPARE(std::count_if(texts.begin(), texts.end(), [](const Item &i) { return i.position.x() == 1050; }), variant.rows);
        QCOMPARE(std::count_if(texts.begin(), texts.end(), [](const Item &i) {
                     return i.text.endsWith(QLatin1String(": (Empty)")) && i.style == styleOf(QStringLiteral("12g"));
                 }), variant.greyRows);
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
            // Every sheet starts again in the base font, whatever the last one ended with.
            if (request.date)
                QCOMPARE(surface.findText(QStringLiteral("06.12.2026"), page).style, styleOf(QStringLiteral("10")));
        }
        QCOMPARE(textsAt(surface, 15000, sheets), footer);
        QCOMPARE(ruleCoordinates(surface, true).contains(15300), request.date || request.time);
        for (const Item &item : surface.lines())
            QCOMPARE(item.colour, QColor(Qt::black));
        // One job: the drawing mode 10 first, new pages only between sheets, the end once at the very end.
        QList<Item::Kind> steps;
        for (const Item &item : surface.items()) {
            if (item.kind != Item::Text && item.kind != Item::Line)
                steps << item.kind;
        }
        QCOMPARE(steps, QList<Item::Kind>{Item::DrawingMode} + QList<Item::Kind>(sheets - 1, Item::NewPage) + QList<Item::Kind>{Item::EndJob});
        QCOMPARE(surface.items().first().mode, 10);
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
        const int entries = columns.entries, rowsPerColumn = entries == 50 ? 25 : 50;
        int rows = 0;
        for (const Item &item : surface.texts()) {
            if (item.text.mid(3, 2) != QLatin1String(": "))
                continue;
            const int number = item.text.left(3).toInt();
            const int column = (number - 1) / rowsPerColumn, row = (number - 1) % rowsPerColumn + 1;
            QCOMPARE(item.position, entries == 50 ? QPointF(1050 + 4890 * column, 3825 + 420 * row) : QPointF(900 + 2445 * column, 4050 + 210 * row));
            QCOMPARE(item.style, styleOf(QLatin1String(columns.style)));
            QCOMPARE(item.text.mid(5), QString::fromLatin1(data.reagents[number]));
            ++rows;
        }
        QCOMPARE(rows, entries);
    }

    void logoRule_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRectF>("target");

        QTest::newRow("twice as wide") << QSize(400, 200) << QRectF(6750, 1237.5, 3750, 1875);
        QTest::newRow("twice as high") << QSize(200, 400) << QRectF(6750, 300, 1875, 3750);
        QTest::newRow("square") << QSize(50, 50) << QRectF(6750, 300, 3750, 3750);
        QTest::newRow("three times as high, single precision") << QSize(100, 300) << QRectF(6750, 300, double(250.0f / 3.0f * 15.0f), 3750);
    }

    void logoRule()
    {
        QFETCH(QSize, picture);
        QFETCH(QRectF, target);

        PrintRequest request = sheetsRequest(1, 3);
        request.logo = true;
        request.logoPicture = QImage(picture, QImage::Format_RGB32);
        RecordingSurface surface;
        QVERIFY(runPrintLayout(sampleData(), request, surface));
        QCOMPARE(surface.pictures().size(), surface.pageCount());
        for (const Item &item : surface.pictures())
            QVERIFY(item.target == target && item.pictureSize == picture);
    }

    void failureEndsTheRun_data()
    {
        QTest::addColumn<Breakdown>("breakdown");

        const auto printer = PrintResult::Failure::PrinterFailed;
        QTest::newRow("printer does not start") << Breakdown{Item::DrawingMode, 0, false, printer};
        QTest::newRow("line fails") << Breakdown{Item::Line, 0, false, printer};
        QTest::newRow("new page fails") << Breakdown{Item::NewPage, 0, false, printer};
        QTest::newRow("picture fails") << Breakdown{Item::Picture, 0, false, printer};
        QTest::newRow("end of job fails") << Breakdown{Item::EndJob, 0, false, printer};
        QTest::newRow("logo cannot be scaled") << Breakdown{std::nullopt, 0, true, PrintResult::Failure::LogoNotScalable};
        QTest::newRow("reagent 201 in a vial") << Breakdown{std::nullopt, 201, false, PrintResult::Failure::ReagentOutOfRange};
        QTest::newRow("reagent -5 in a vial") << Breakdown{std::nullopt, -5, false, PrintResult::Failure::ReagentOutOfRange};
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
