#include "print/PrintLayout.h"
#include "print/PrinterSurface.h"
#include "PdfReading.h"
#include "SheetFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double QuarterMillimetre = 72.0 / 25.4 / 4.0;

PrintRequest programs(int first, int last)
{
    PrintRequest request;
    request.firstProgram = QString::number(first);
    request.lastProgram = QString::number(last);
    request.comment = QStringLiteral("Histology lab 2");
    request.dateText = QStringLiteral("06.12.2026");
    return request;
}

} // namespace

class TestPdfOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        InstrumentData data = SampleData();
        data.programs[7] = SampleProgram("Routine", TypeEM);
        m_sheet = m_dir.filePath(QStringLiteral("program7.pdf"));
        QVERIFY(PrintToPdfFile(data, programs(7, 7), m_sheet));
    }

    void textsStandAtTheirPositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPointF>("twips");

        QTest::newRow("program number line") << "Program" << QPointF(1500, 2550);
        QTest::newRow("title") << "Routine" << QPointF(1200, 1875);
        QTest::newRow("vial row") << "Vial" << QPointF(1050, 4800);
        QTest::newRow("vial row temperature") << "37°C" << QPointF(7575, 4800);
        QTest::newRow("comment") << "Histology" << QPointF(0, 450);
        QTest::newRow("footer date") << "06.12.2026" << QPointF(750, 15000);
    }

    void textsStandAtTheirPositions()
    {
        QFETCH(QString, text);
        QFETCH(QPointF, twips);

        const QList<PdfReading::Word> near = PdfReading::wordsNear(m_sheet, 1, twips, QuarterMillimetre);
        QVERIFY2(std::any_of(near.begin(), near.end(), [&](const PdfReading::Word &word) { return word.text == text; }),
                 qPrintable(QStringLiteral("%1 not within a quarter millimetre of its place").arg(text)));
    }

    void theSheetUsesTheArialMetricFont()
    {
        const QString fonts = PdfReading::run(QStringLiteral("pdffonts"), {m_sheet});
        QVERIFY2(fonts.contains(QLatin1String("LiberationSans ")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QLatin1String("LiberationSans-Bold")), qPrintable(fonts));
    }

    void aPrinterSetToAFileLeavesNoFileAfterAFailure()
    {
        // A printer that the print setup pointed at a PDF file, as in the dialog.
        const QString pdf = m_dir.filePath(QStringLiteral("chosen.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, pdf);
        PrinterSurface surface(printer);
        InstrumentData data = SampleData();
        data.programs[2] = SampleProgram("Broken", TypeEM);
        data.programs[2].vial(5).Reagent = 300;
        QCOMPARE(RunPrintLayout(data, programs(1, 3), surface).failure, PrintResult::Failure::ReagentOutOfRange);
        QVERIFY(!QFile::exists(pdf));
        // A job the printer breaks off part-way is dropped too.
        PrinterSurface breaking(printer);
        QVERIFY(breaking.printText(QPointF(0, 0), QStringLiteral("half"), PrintTextStyle()));
        breaking.discardJob();
        QVERIFY(!QFile::exists(pdf));
    }

private:
    QTemporaryDir m_dir;
    QString m_sheet;
};

QTEST_MAIN(TestPdfOutput)
#include "test_pdf_output.moc"
