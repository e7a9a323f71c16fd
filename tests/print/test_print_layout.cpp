#include "print/PrintLayout.h"
#include "print/PrintStamp.h"
#include "print/RecordingSurface.h"
#include "SheetFixtures.h"

#include <QTest>

using Item = RecordingSurface::Item;

namespace {

const QColor Grey(100, 100, 100);

PrintRequest programsRequest(const QString &first, const QString &last)
{
    PrintRequest request;
    request.firstProgram = first;
    request.lastProgram = last;
    request.dateText = QStringLiteral("06.12.2026");
    request.timeText = QStringLiteral("18:30");
    request.comment = QStringLiteral("Histology lab 2");
    return request;
}

PrintRequest reagentRequest()
{
    PrintRequest request = programsRequest(QStringLiteral("1"), QStringLiteral("1"));
    request.content = PrintRequest::Content::ReagentList;
    return request;
}

QList<Item> textsAtY(const RecordingSurface &surface, double y, int page = 0)
{
    QList<Item> found;
    for (const Item &item : surface.texts(page)) {
        if (item.position.y() == y)
            found.append(item);
    }
    return found;
}

QList<double> horizontalRuleYs(const RecordingSurface &surface, int page = 1)
{
    QList<double> ys;
    for (const Item &item : surface.lines(page)) {
        if (item.line.y1() == item.line.y2())
            ys.append(item.line.y1());
    }
    return ys;
}

QList<double> verticalRuleXs(const RecordingSurface &surface, int page = 1)
{
    QList<double> xs;
    for (const Item &item : surface.lines(page)) {
        if (item.line.x1() == item.line.x2())
            xs.append(item.line.x1());
    }
    return xs;
}

PrintTextStyle style(int points, bool bold, bool emphasis = false, QColor colour = Qt::black)
{
    PrintTextStyle s;
    s.points = points;
    s.bold = bold;
    s.titleEmphasis = emphasis;
    s.colour = colour;
    return s;
}

} // namespace

class TestPrintLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programRangeGivesOneSheetPerProgram_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("expectedFirst");
        QTest::addColumn<int>("expectedLast");

        QTest::newRow("3 to 5") << "3" << "5" << 3 << 5;
        QTest::newRow("single") << "7" << "7" << 7 << 7;
        QTest::newRow("last below first is raised") << "5" << "3" << 5 << 5;
        QTest::newRow("0 gives program 1") << "0" << "1" << 1 << 1;
        QTest::newRow("150 gives 99") << "150" << "150" << 99 << 99;
        QTest::newRow("garbage gives 1") << "abc" << "" << 1 << 1;
        QTest::newRow("half to even") << "2.5" << "3.5" << 2 << 4;
    }

    void programRangeGivesOneSheetPerProgram()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, expectedFirst);
        QFETCH(int, expectedLast);

        RecordingSurface surface;
        QVERIFY(RunPrintLayout(SampleData(), programsRequest(first, last), surface));

        const int sheets = expectedLast - expectedFirst + 1;
        QCOMPARE(surface.pageCount(), sheets);
        QVERIFY(surface.ended());
        QVERIFY(!surface.discarded());
        for (int page = 1; page <= sheets; ++page) {
            const QString numberLine = QStringLiteral("Program %1").arg(expectedFirst + page - 1, 2, 10, QLatin1Char('0'));
            QCOMPARE(surface.findText(numberLine, page).position, QPointF(1500, 2550));
        }
        // One job: new pages only between sheets, the end once at the very end.
        int newPages = 0;
        for (qsizetype i = 0; i < surface.items().size(); ++i) {
            const Item &item = surface.items()[i];
            newPages += item.kind == Item::NewPage;
            if (item.kind == Item::EndJob)
                QCOMPARE(i, surface.items().size() - 1);
        }
        QCOMPARE(newPages, sheets - 1);
        QCOMPARE(surface.items().first().kind, Item::DrawingMode);
        QCOMPARE(surface.items().first().mode, 10);
    }

    void typeDecidesTheVialRows_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("typeLine");

        QTest::newRow("LM") << 0 << 12 << "Program Type: LM";
        QTest::newRow("EM") << 1 << 24 << "Program Type: EM";
        QTest::newRow("unknown code counts as EM") << 7 << 24 << "Program Type: EM";
    }

    void typeDecidesTheVialRows()
    {
        QFETCH(int, type);
        QFETCH(int, rows);
        QFETCH(QString, typeLine);

        InstrumentData data = SampleData();
        data.programs[4] = SampleProgram("Routine", type);
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(data, programsRequest(QStringLiteral("4"), QStringLiteral("4")), surface));

        QCOMPARE(surface.findText(typeLine).position, QPointF(4200, 3600));
        QCOMPARE(surface.findText(typeLine).style, style(12, false));
        int vialTexts = 0;
        for (const Item &item : surface.texts()) {
            if (!item.text.startsWith(QLatin1String("Vial ")))
                continue;
            ++vialTexts;
            const int n = item.text.mid(5, 2).toInt();
            QCOMPARE(item.position, QPointF(1050, 4500 + 300 * n));
        }
        QCOMPARE(vialTexts, rows);
        QCOMPARE(textsAtY(surface, 4800).size(), 5);
        QCOMPARE(textsAtY(surface, 4500 + 300 * 13).size(), rows == 24 ? 5 : 0);
    }

    void vialRowColumns_data()
    {
        QTest::addColumn<VialStep>("vial");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("xs");

        QTest::newRow("used vial") << VialStep{3, 3, 0, 1, 30, 37}
                                   << QStringList{"Vial 01: Ethanol 70%  ", "AG3", "01:30", "37\u00B0C", "Cont."}
                                   << QList<int>{1050, 4575, 5925, 7575, 9150};
        QTest::newRow("heater off and pause") << VialStep{2, 0, 1, 0, 5, 0}
                                              << QStringList{"Vial 01: Formalin 10% ", "AG0", "00:05", "H/C off", "Pause"}
                                              << QList<int>{1050, 4575, 5925, 7425, 9075};
        QTest::newRow("4 degrees keeps two digits") << VialStep{2, 5, 0, 12, 0, 4}
                                                    << QStringList{"Vial 01: Formalin 10% ", "AG5", "12:00", "04\u00B0C", "Cont."}
                                                    << QList<int>{1050, 4575, 5925, 7575, 9150};
        QTest::newRow("long numbers keep all digits") << VialStep{2, 1, 2, 123, 7, 160}
                                                      << QStringList{"Vial 01: Formalin 10% ", "AG1", "123:07", "160\u00B0C", "Cont."}
                                                      << QList<int>{1050, 4575, 5925, 7575, 9150};
        QTest::newRow("negative values keep their sign") << VialStep{2, 1, 0, -3, -5, -4}
                                                         << QStringList{"Vial 01: Formalin 10% ", "AG1", "-03:-05", "-04\u00B0C", "Cont."}
                                                         << QList<int>{1050, 4575, 5925, 7575, 9150};
        QTest::newRow("windows-1252 name") << VialStep{4, 2, 0, 0, 45, 60}
                                           << QStringList{"Vial 01: Xylol \u00E4      ", "AG2", "00:45", "60\u00B0C", "Cont."}
                                           << QList<int>{1050, 4575, 5925, 7575, 9150};
    }

    void vialRowColumns()
    {
        QFETCH(VialStep, vial);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, xs);

        InstrumentData data = SampleData();
        data.programs[1] = SampleProgram("Routine", 0);
        data.programs[1].vial(1) = vial;
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(data, programsRequest(QStringLiteral("1"), QStringLiteral("1")), surface));

        const QList<Item> row = textsAtY(surface, 4800);
        QCOMPARE(row.size(), texts.size());
        for (qsizetype i = 0; i < row.size(); ++i) {
            QCOMPARE(row[i].text, texts[i]);
            QCOMPARE(row[i].position.x(), double(xs[i]));
            QCOMPARE(row[i].style, style(12, false));
        }
    }

    void emptyVialRowIsGreyAndTheNextUsedOneBlack()
    {
        InstrumentData data = SampleData();
        data.programs[1] = SampleProgram("Routine", 0);
        data.programs[1].vial(2) = VialStep{1, 4, 1, 2, 0, 45};
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(data, programsRequest(QStringLiteral("1"), QStringLiteral("1")), surface));

        const QList<Item> empty = textsAtY(surface, 5100);
        QCOMPARE(empty.size(), 5);
        QCOMPARE(empty[0].text, QStringLiteral("Vial 02: (Empty)"));
        for (const Item &item : empty)
            QCOMPARE(item.style.colour, Grey);
        for (const Item &item : textsAtY(surface, 5400))
            QCOMPARE(item.style.colour, QColor(Qt::black));
        // The number line after the table is black even when the last row was grey.
        data.programs[1].vial(12) = VialStep::Blank();
        RecordingSurface lastEmpty;
        QVERIFY(RunPrintLayout(data, programsRequest(QStringLiteral("1"), QStringLiteral("1")), lastEmpty));
        QCOMPARE(lastEmpty.findText(QStringLiteral("Program 01")).style.colour, QColor(Qt::black));
    }

    void programSlotWithoutProgramStillPrints()
    {
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(SampleData(), programsRequest(QStringLiteral("9"), QStringLiteral("9")), surface));
        int empties = 0;
        for (const Item &item : surface.texts())
            empties += item.text.endsWith(QLatin1String(": (Empty)")) && item.style.colour == Grey;
        QCOMPARE(empties, 24);
        QCOMPARE(surface.findText(QStringLiteral("Duration: 0 hours, 0 minutes.")).position, QPointF(450, 3600));
        const Item title = surface.findText(QString());
        QCOMPARE(title.position, QPointF(1200, 1875));
        QCOMPARE(title.style, style(24, true, true));
    }

    void durationLine_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<QString>("line");

        QTest::newRow("125") << 125 << "Duration: 2 hours, 5 minutes.";
        QTest::newRow("59") << 59 << "Duration: 0 hours, 59 minutes.";
        QTest::newRow("60, no singular") << 60 << "Duration: 1 hours, 0 minutes.";
        QTest::newRow("0") << 0 << "Duration: 0 hours, 0 minutes.";
        QTest::newRow("stored, not recomputed") << 6000 << "Duration: 100 hours, 0 minutes.";
        QTest::newRow("negative truncates") << -61 << "Duration: -1 hours, -1 minutes.";
    }

    void durationLine()
    {
        QFETCH(int, duration);
        QFETCH(QString, line);

        InstrumentData data = SampleData();
        data.programs[2] = SampleProgram("Routine", 1);
        data.programs[2].Duration = duration;
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(data, programsRequest(QStringLiteral("2"), QStringLiteral("2")), surface));
        const Item item = surface.findText(line);
        QCOMPARE(item.position, QPointF(450, 3600));
        QCOMPARE(item.style, style(12, false));
    }

    void fixedTextsAndTheirFonts()
    {
        InstrumentData data = SampleData();
        data.programs[1] = SampleProgram("  Routine  \xC4", 1);
        data.programs[2] = SampleProgram("Biopsy", 0);
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(data, programsRequest(QStringLiteral("1"), QStringLiteral("2")), surface));

        for (int page = 1; page <= 2; ++page) {
            const QString title = page == 1 ? QStringLiteral("  Routine  \u00C4") : QStringLiteral("Biopsy");
            QCOMPARE(surface.findText(title, page).position, QPointF(1200, 1875));
            QCOMPARE(surface.findText(title, page).style, style(24, true, true));
            QCOMPARE(surface.findText(QStringLiteral("Histology lab 2"), page).position, QPointF(0, 450));
            QCOMPARE(surface.findText(QStringLiteral("Histology lab 2"), page).style, style(10, true));
            QCOMPARE(surface.findText(QStringLiteral("Program 0%1").arg(page), page).style, style(14, false));
            // Each sheet starts again in the base font, whatever the last one ended with.
            QCOMPARE(surface.findText(QStringLiteral("06.12.2026"), page).style, style(10, false));
            const QStringList headings{"Vials", "Agitation", "Duration", "Temp.", "Pause/Cont."};
            const QList<int> headingXs{2100, 4275, 5700, 7425, 8775};
            const QList<Item> headingRow = textsAtY(surface, 4350, page);
            QCOMPARE(headingRow.size(), headings.size());
            for (qsizetype i = 0; i < headings.size(); ++i) {
                QCOMPARE(headingRow[i].text, headings[i]);
                QCOMPARE(headingRow[i].position.x(), double(headingXs[i]));
                QCOMPARE(headingRow[i].style, style(12, true));
            }
        }
        for (const Item &item : surface.texts())
            QCOMPARE(item.style.face, QStringLiteral("Arial"));
    }

    void footerAndItsRule_data()
    {
        QTest::addColumn<bool>("date");
        QTest::addColumn<bool>("time");
        QTest::addColumn<bool>("reagentList");

        for (bool list : {false, true}) {
            const char *sheet = list ? "reagent list" : "program";
            QTest::addRow("%s, date and time", sheet) << true << true << list;
            QTest::addRow("%s, date only", sheet) << true << false << list;
            QTest::addRow("%s, time only", sheet) << false << true << list;
            QTest::addRow("%s, neither", sheet) << false << false << list;
        }
    }

    void footerAndItsRule()
    {
        QFETCH(bool, date);
        QFETCH(bool, time);
        QFETCH(bool, reagentList);

        PrintRequest request = reagentList ? reagentRequest() : programsRequest(QStringLiteral("1"), QStringLiteral("1"));
        request.date = date;
        request.time = time;
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(SampleData(), request, surface));

        const QList<Item> footer = textsAtY(surface, 15000);
        QCOMPARE(footer.size(), int(date) + int(time));
        if (date)
            QCOMPARE(surface.findText(QStringLiteral("06.12.2026")).position, QPointF(750, 15000));
        if (time)
            QCOMPARE(surface.findText(QStringLiteral("18:30")).position, QPointF(9000, 15000));
        for (const Item &item : footer)
            QCOMPARE(item.style, style(10, false));

        QList<double> rules = reagentList ? QList<double>{14940, 4050, 4125} : QList<double>{14940, 4050, 4125, 4725};
        if (date || time)
            rules.prepend(15300);
        QCOMPARE(horizontalRuleYs(surface), rules);
    }

    void rulesAreBlackAndSpanTheSheet()
    {
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(SampleData(), programsRequest(QStringLiteral("1"), QStringLiteral("1")), surface));
        QCOMPARE(verticalRuleXs(surface), (QList<double>{750, 4050, 5550, 7050, 8550, 10500}));
        for (const Item &item : surface.lines()) {
            QCOMPARE(item.colour, QColor(Qt::black));
            if (item.line.y1() == item.line.y2())
                QCOMPARE(item.line, QLineF(0, item.line.y1(), 11250, item.line.y1()));
            else
                QCOMPARE(item.line, QLineF(item.line.x1(), 4125, item.line.x1(), 14940));
        }
    }

    void reagentListColumns_data()
    {
        QTest::addColumn<int>("extraName"); // a non-blank name beyond 50, or 0
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("points");
        QTest::addColumn<QList<double>>("verticals");

        QTest::newRow("names 51..200 blank: two columns") << 0 << 50 << 18 << QList<double>{750, 5640, 10500};
        QTest::newRow("name 51: four columns") << 51 << 200 << 10 << QList<double>{750, 5640, 10500, 3195, 8085};
        QTest::newRow("name 200: four columns") << 200 << 200 << 10 << QList<double>{750, 5640, 10500, 3195, 8085};
    }

    void reagentListColumns()
    {
        QFETCH(int, extraName);
        QFETCH(int, entries);
        QFETCH(int, points);
        QFETCH(QList<double>, verticals);

        InstrumentData data = SampleData();
        if (extraName)
            data.reagents[extraName] = FitName("  x", false);
        data.reagents[30] = QByteArray(NameLength, ' '); // blank names print too
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(data, reagentRequest(), surface));

        QCOMPARE(surface.pageCount(), 1);
        QCOMPARE(verticalRuleXs(surface), verticals);
        int rows = 0;
        const bool two = entries == 50;
        for (const Item &item : surface.texts()) {
            if (item.text.size() != 18 || item.text.mid(3, 2) != QLatin1String(": "))
                continue;
            const int number = item.text.left(3).toInt();
            const int column = (number - 1) / (two ? 25 : 50);
            const int row = (number - 1) % (two ? 25 : 50) + 1;
            const QPointF expected = two ? QPointF(1050 + 4890 * column, 3825 + 420 * row)
                                         : QPointF(900 + 2445 * column, 4050 + 210 * row);
            QCOMPARE(item.position, expected);
            QCOMPARE(item.style, style(points, false));
            QCOMPARE(item.text.mid(5), QString::fromLatin1(data.reagents[number]));
            ++rows;
        }
        QCOMPARE(rows, entries);
        QCOMPARE(surface.findText(QStringLiteral("030:              ")).style.points, points);

        const Item title = surface.findText(QStringLiteral("Reagent List"));
        QCOMPARE(title.position, QPointF(1200, 1950));
        QCOMPARE(title.style, style(24, true, true));
        QCOMPARE(surface.findText(QStringLiteral("Histology lab 2")).style, style(10, true));
    }

    void logoRule_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("reagentList");
        QTest::addColumn<QRectF>("target");

        QTest::newRow("twice as wide") << QSize(400, 200) << false << QRectF(6750, 1237.5, 3750, 1875);
        QTest::newRow("twice as high") << QSize(200, 400) << false << QRectF(6750, 300, 1875, 3750);
        QTest::newRow("square") << QSize(50, 50) << false << QRectF(6750, 300, 3750, 3750);
        QTest::newRow("one row high") << QSize(300, 1) << false << QRectF(6750, 2175 - 1875.0f / 300, 3750, 12.5);
        QTest::newRow("three times as high") << QSize(100, 300) << false << QRectF(6750, 300, double(250.0f / 3.0f * 15.0f), 3750);
        QTest::newRow("reagent list, wide") << QSize(400, 200) << true << QRectF(6750, 1237.5, 3750, 1875);
    }

    void logoRule()
    {
        QFETCH(QSize, picture);
        QFETCH(bool, reagentList);
        QFETCH(QRectF, target);

        PrintRequest request = reagentList ? reagentRequest() : programsRequest(QStringLiteral("1"), QStringLiteral("3"));
        request.logo = true;
        request.logoPicture = QImage(picture, QImage::Format_RGB32);
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(SampleData(), request, surface));

        const QList<Item> pictures = surface.pictures();
        QCOMPARE(pictures.size(), surface.pageCount());
        for (const Item &item : pictures) {
            QCOMPARE(item.target, target);
            QCOMPARE(item.pictureSize, picture);
        }

        request.logo = false;
        RecordingSurface without;
        QVERIFY(RunPrintLayout(SampleData(), request, without));
        QVERIFY(without.pictures().isEmpty());
    }

    void failureEndsTheRunAndDropsTheJob_data()
    {
        QTest::addColumn<int>("failKind");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<int>("badReagent");
        QTest::addColumn<bool>("emptyLogo");
        QTest::addColumn<int>("failure");

        const int printer = int(PrintResult::Failure::PrinterFailed);
        QTest::newRow("printer does not start") << int(Item::DrawingMode) << 1 << 0 << false << printer;
        QTest::newRow("line fails") << int(Item::Line) << 3 << 0 << false << printer;
        QTest::newRow("new page fails") << int(Item::NewPage) << 1 << 0 << false << printer;
        QTest::newRow("picture fails") << int(Item::Picture) << 1 << 0 << false << printer;
        QTest::newRow("end of job fails") << int(Item::EndJob) << 1 << 0 << false << printer;
        QTest::newRow("logo cannot be scaled") << 0 << 0 << 0 << true << int(PrintResult::Failure::LogoNotScalable);
        QTest::newRow("reagent 201 in a vial") << 0 << 0 << 201 << false << int(PrintResult::Failure::ReagentOutOfRange);
        QTest::newRow("reagent -5 in a vial") << 0 << 0 << -5 << false << int(PrintResult::Failure::ReagentOutOfRange);
    }

    void failureEndsTheRunAndDropsTheJob()
    {
        QFETCH(int, failKind);
        QFETCH(int, failAt);
        QFETCH(int, badReagent);
        QFETCH(bool, emptyLogo);
        QFETCH(int, failure);

        InstrumentData data = SampleData();
        data.programs[2] = SampleProgram("Routine", 1);
        data.programs[2].vial(3).Reagent = badReagent == 0 ? data.programs[2].vial(3).Reagent : badReagent;
        PrintRequest request = programsRequest(QStringLiteral("1"), QStringLiteral("3"));
        request.logo = true;
        request.logoPicture = emptyLogo ? QImage() : QImage(20, 10, QImage::Format_RGB32);
        RecordingSurface surface;
        if (failAt)
            surface.failAt(Item::Kind(failKind), failAt);

        const PrintResult result = RunPrintLayout(data, request, surface);
        QCOMPARE(int(result.failure), failure);
        if (result.ok())
            return;
        QVERIFY(!result.detail.isEmpty());
        if (badReagent)
            QVERIFY(result.detail.contains(QString::number(badReagent)));
        if (badReagent || emptyLogo) {
            // Sheets that cannot be composed never reach the printer.
            QVERIFY(surface.items().isEmpty());
            return;
        }
        QVERIFY(surface.discarded());
        QVERIFY(!surface.ended());
    }

    void unusedLmVialsAreNotChecked()
    {
        InstrumentData data = SampleData();
        data.programs[1] = SampleProgram("Routine", 0);
        data.programs[1].vial(13).Reagent = 999;
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(data, programsRequest(QStringLiteral("1"), QStringLiteral("1")), surface));
    }

    void footerTimeIsTheClockTime_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");

        QTest::newRow("de_DE") << "de_DE" << "18:30:05";
        QTest::newRow("en_US") << "en_US" << "6:30:05 PM";
        QTest::newRow("zone in brackets") << "eu_ES" << "18:30:05";
        QTest::newRow("zone after a comma") << "sq_AL" << "6:30:05 E PASDITES";
    }

    void footerTimeIsTheClockTime()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(FooterTimeText(QDateTime(QDate(2026, 12, 6), QTime(18, 30, 5)), QLocale(locale)), text);
    }

    void emptyCommentStillPrints()
    {
        PrintRequest request = programsRequest(QStringLiteral("1"), QStringLiteral("1"));
        request.comment.clear();
        RecordingSurface surface;
        QVERIFY(RunPrintLayout(SampleData(), request, surface));
        const QList<Item> comments = textsAtY(surface, 450);
        QCOMPARE(comments.size(), 1);
        QCOMPARE(comments.first().text, QString());
        QCOMPARE(comments.first().position, QPointF(0, 450));
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "test_print_layout.moc"
