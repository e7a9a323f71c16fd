#include "LocalStore.h"
#include "PdfReading.h"
#include "PictureFiles.h"
#include "SheetFixtures.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace corvex;

// What one run of the tool puts into a PDF: page 1 holds `onPage1`, the first of them at `heading` (twips);
// the footer holds the date and the time or not.
struct PdfSheets { QStringList arguments; int pages; QString summary; QStringList onPage1; bool date, time; QString title; QPointF heading; };

// Sheets as PDF files, as a lab archives them from a script: what the
// command-line tool writes, read back as a person would look at it.
class TestPdfOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        InstrumentData data = sampleData();
        data.programs[2] = sampleProgram("Routine", typeEm);
        data.programs[3] = sampleProgram("Biopsy", typeLm);
        data.programs[5] = sampleProgram("Broken", typeEm);
        data.programs[5].vial(2).reagent = 250;
        for (int p : {0, 2, 3, 5})
            QVERIFY(saveToStore(p, m_folder->store, data));
        QVERIFY(writeBytes(path("logo.emf"), PictureFiles::enhancedMetafile400x200()));
    }

    void sheetsIntoAPdf_data()
    {
        QTest::addColumn<PdfSheets>("sheets");
        QTest::newRow("programs with logo and comment")
            << PdfSheets{{"print-programs", "2", "4", "--logo", "logo.emf", "--comment", "Archive 2026"}, 3, "Programs 02 to 04 (3 pages) printed to",
                         {"Archive 2026", "Routine", "Program 02", "Vial 01: Ethanol 70%", "Program Type: EM"}, false, false, "Corvex programs 02\u201304", {0, 450}};
        QTest::newRow("one program, date") << PdfSheets{{"print-programs", "3", "3", "--date"}, 1, "Program03 printed to", {"Biopsy", "Program Type: LM"},
                                                        true, false, "Corvex program 03", {1200, 1875}};
        QTest::newRow("reagent list, date and time") << PdfSheets{{"print-reagents", "--date", "--time"}, 1, "The reagent list printed to",
                                                                  {"Reagent List", "003: Ethanol 70%"}, true, true, "Corvex reagent list", {1200, 1950}};
    }

    void sheetsIntoAPdf()
    {
        QFETCH(PdfSheets, sheets);
        const QString pdf = path("sheets.pdf");
        const CtlRun run = runTool(sheets.arguments + QStringList{QStringLiteral("--pdf"), pdf});
        QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(run.err)); // nothing for a script's mail
        // An archive has the permissions of any new file, not those of the
        // private file it was composed in.
        QFile anyNewFile(path("any.txt"));
        QVERIFY(anyNewFile.open(QIODevice::WriteOnly));
        QCOMPARE(QFileInfo(pdf).permissions(), anyNewFile.permissions());
        QVERIFY2(run.out.startsWith(sheets.summary), qPrintable(run.out));
        QCOMPARE(PdfReading::pageCount(pdf), sheets.pages);
        QCOMPARE(PdfReading::title(pdf), sheets.title); // what the job is, not the name of the file it was composed in
        const QString text = PdfReading::text(pdf, 1);
        for (const QString &expected : sheets.onPage1)
            QVERIFY2(text.contains(expected), qPrintable(expected));
        // Within a quarter millimetre of their places on the sheet.
        constexpr double quarterMillimetre = 72.0 / 25.4 / 4.0;
        const QList<PdfReading::Word> near = PdfReading::wordsNear(pdf, 1, sheets.heading, quarterMillimetre);
        QVERIFY2(!near.isEmpty() && sheets.onPage1[0].startsWith(near[0].text), qPrintable(sheets.onPage1[0]));
        QCOMPARE(!PdfReading::wordsNear(pdf, 1, QPointF(750, 15000), quarterMillimetre).isEmpty(), sheets.date);
        QCOMPARE(!PdfReading::wordsNear(pdf, 1, QPointF(9000, 15000), quarterMillimetre).isEmpty(), sheets.time);
    }

    void refusedWithAClearMessage_data()
    {
        QTest::addColumn<ToolRun>("row");
        QTest::newRow("last below first") << ToolRun{{"print-programs", "5", "3"}, 2, "The last program must be a whole number from 5 to 99"};
        QTest::newRow("bad reagent number") << ToolRun{{"print-programs", "4", "6"}, 1, "Unknown Printer Error. (vial 02 of program 05 names reagent 250"};
        QTest::newRow("logo not a picture") << ToolRun{{"print-reagents", "--logo", "CORVEX.ini"}, 1, "CORVEX.ini is not a picture that can be read"};
        QTest::newRow("unwritable folder") << ToolRun{{"print-reagents", "--pdf", "/nonexistent-folder/x.pdf"}, 1, "Cannot write in \"/nonexistent-folder\""};
    }

    void refusedWithAClearMessage()
    {
        QFETCH(ToolRun, row);
        auto [arguments, exitCode, message] = row;

        if (!arguments.contains(QStringLiteral("--pdf")))
            arguments << QStringLiteral("--pdf") << QStringLiteral("out.pdf");
        QVERIFY(writeBytes(path("out.pdf"), "the previous archive"));
        const CtlRun run = runTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        // The target keeps what it held, and no part of a new one is left beside it.
        QCOMPARE(readBytes(path("out.pdf")), QByteArray("the previous archive"));
        QCOMPARE(QDir(m_folder->folders.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

private:
    QString path(const QString &name) const { return m_folder->path(name); }

    // The real program on the test's store, started the way cron starts a script: no display, no
    // runtime folder. File names of the arguments stand in the test's folder.
    CtlRun runTool(QStringList arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
            environment.remove(QLatin1String(name));
        arguments.replaceInStrings(QRegularExpression(QStringLiteral(R"(^([\w.]+\.(ini|emf|png|pdf))$)")), path(QStringLiteral("\\1")));
        return runProcess(ctlProgram(), arguments << QStringLiteral("--store") << m_folder->store, environment);
    }

    std::unique_ptr<TestFolder> m_folder;
};

QTEST_MAIN(TestPdfOutput)
#include "test_pdf_output.moc"
