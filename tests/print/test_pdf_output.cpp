#include "print/PdfPrint.h"
#include "print/PrintLayout.h"
#include "print/PrinterSurface.h"
#include "PdfReading.h"
#include "SheetFixtures.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

using PdfReading::Word;
using PdfReading::pageCount;
using PdfReading::run;

// Where a twip position of the layout lands on the page, in points.
QPointF pagePoint(QPointF twips)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, QStringLiteral("unused.pdf"));
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    return origin + twips / 20.0;
}

constexpr double QuarterMillimetre = 72.0 / 25.4 / 4.0;

} // namespace

class TestPdfOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsStandAtTheirPositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPointF>("twips");

        QTest::newRow("program number line") << "Program" << QPointF(1500, 2550);
        QTest::newRow("title") << "Routine" << QPointF(1200, 1875);
        QTest::newRow("vial row") << "Vial" << QPointF(1050, 4800);
        QTest::newRow("vial row agitation") << "AG1" << QPointF(4575, 4800);
        QTest::newRow("vial row temperature") << "37°C" << QPointF(7575, 4800);
        QTest::newRow("heading") << "Pause/Cont." << QPointF(8775, 4350);
        QTest::newRow("comment") << "Histology" << QPointF(0, 450);
        QTest::newRow("footer date") << "06.12.2026" << QPointF(750, 15000);
    }

    void textsStandAtTheirPositions()
    {
        QFETCH(QString, text);
        QFETCH(QPointF, twips);

        const QList<Word> words = PdfReading::words(sheetOfProgram7(), 1);
        QVERIFY2(!words.isEmpty(), "pdftotext read nothing");
        const QPointF expected = pagePoint(twips);
        for (const Word &word : words) {
            if (word.text != text)
                continue;
            if (qAbs(word.topLeft.y() - expected.y()) > 3 * QuarterMillimetre)
                continue; // the same word elsewhere on the sheet
            QVERIFY2(qAbs(word.topLeft.x() - expected.x()) <= QuarterMillimetre,
                     qPrintable(QStringLiteral("x %1, expected %2").arg(word.topLeft.x()).arg(expected.x())));
            QVERIFY2(qAbs(word.topLeft.y() - expected.y()) <= QuarterMillimetre,
                     qPrintable(QStringLiteral("y %1, expected %2").arg(word.topLeft.y()).arg(expected.y())));
            return;
        }
        QFAIL(qPrintable(QStringLiteral("%1 not found near its place").arg(text)));
    }

    void theSheetUsesTheArialMetricFont()
    {
        const QString fonts = run(QStringLiteral("pdffonts"), {sheetOfProgram7()});
        QVERIFY2(fonts.contains(QLatin1String("LiberationSans")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QLatin1String("LiberationSans-Bold")), qPrintable(fonts));
    }

    void aRangeIsOneDocumentWithAPagePerProgram()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("range.pdf"));
        PrintRequest request;
        request.firstProgram = QStringLiteral("3");
        request.lastProgram = QStringLiteral("5");
        const mode_t previousMask = ::umask(022);
        const bool printed = PrintToPdfFile(SampleData(), request, pdf).ok();
        ::umask(previousMask);
        QVERIFY(printed);
        QCOMPARE(pageCount(pdf), 3);
        // An archive is readable like any other new file, not private to its writer.
        QVERIFY(QFileInfo(pdf).permissions().testFlag(QFile::ReadOther));
        for (int page = 1; page <= 3; ++page) {
            const QList<Word> words = PdfReading::words(pdf, page);
            const bool numbered = std::any_of(words.begin(), words.end(),
                                              [&](const Word &w) { return w.text == QStringLiteral("%1").arg(page + 2, 2, 10, QLatin1Char('0')); });
            QVERIFY(numbered);
        }
    }

    void aFailedRunLeavesTheTargetAsItWas()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
        {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the previous archive");
        }
        InstrumentData data = SampleData();
        data.programs[2] = SampleProgram("Broken", 1);
        data.programs[2].vial(5).Reagent = 300;
        PrintRequest request;
        request.firstProgram = QStringLiteral("1");
        request.lastProgram = QStringLiteral("3");
        const PrintResult result = PrintToPdfFile(data, request, pdf);
        QCOMPARE(result.failure, PrintResult::Failure::ReagentOutOfRange);

        QFile kept(pdf);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the previous archive"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sheets.pdf")});

        const QString fresh = dir.filePath(QStringLiteral("fresh.pdf"));
        QVERIFY(!PrintToPdfFile(data, request, fresh));
        QVERIFY(!QFile::exists(fresh));
    }

    void aPrinterSetToAFileDropsAFailedJob()
    {
        // A printer that the print setup pointed at a PDF file, as in the dialog.
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("chosen.pdf"));
        InstrumentData data = SampleData();
        data.programs[1] = SampleProgram("Broken", 1);
        data.programs[1].vial(24).Reagent = 0;
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, pdf);
        PrinterSurface surface(printer);
        QCOMPARE(RunPrintLayout(data, PrintRequest{}, surface).failure, PrintResult::Failure::ReagentOutOfRange);
        QVERIFY(!QFile::exists(pdf));
    }

    void anUnwritableFolderIsReportedClearly()
    {
        PrintRequest request;
        const PrintResult result = PrintToPdfFile(SampleData(), request, QStringLiteral("/nonexistent-folder/sheets.pdf"));
        QCOMPARE(result.failure, PrintResult::Failure::PrinterFailed);
        QVERIFY2(result.detail.contains(QLatin1String("/nonexistent-folder")), qPrintable(result.detail));
    }

private:
    QString sheetOfProgram7()
    {
        if (!m_sheet.isEmpty())
            return m_sheet;
        InstrumentData data = SampleData();
        data.programs[7] = SampleProgram("Routine", 1);
        PrintRequest request;
        request.firstProgram = QStringLiteral("7");
        request.lastProgram = QStringLiteral("7");
        request.comment = QStringLiteral("Histology lab 2");
        request.dateText = QStringLiteral("06.12.2026");
        request.timeText = QStringLiteral("18:30");
        const QString pdf = m_dir.filePath(QStringLiteral("program7.pdf"));
        if (PrintToPdfFile(data, request, pdf))
            m_sheet = pdf;
        return m_sheet;
    }

    QTemporaryDir m_dir;
    QString m_sheet;
};

QTEST_MAIN(TestPdfOutput)
#include "test_pdf_output.moc"
