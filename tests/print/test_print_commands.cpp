#include "CtlMain.h"

#include "model/LocalStore.h"
#include "support/TestEnvironment.h"
#include "PdfReading.h"
#include "PictureFiles.h"
#include "print/PdfPrint.h"
#include "SheetFixtures.h"

#include <QDir>
#include <QPrinterInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run corvexctl(const QStringList &arguments)
{
    Run result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.exitCode = RunCorvexCtl(arguments, out, err);
    return result;
}

using PdfReading::pageCount;

// Where a twip position of a sheet lands on an A4 PDF page, in points.
QPointF pagePoint(QPointF twips)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, QStringLiteral("unused.pdf"));
    return printer.pageLayout().paintRect(QPageLayout::Point).topLeft() + twips / 20.0;
}

// Words whose box starts within a point of the twip position.
int wordsStartingAt(const QString &pdf, QPointF twips)
{
    const QPointF at = pagePoint(twips);
    int count = 0;
    for (const PdfReading::Word &word : PdfReading::words(pdf, 1))
        count += qAbs(word.topLeft.x() - at.x()) < 1 && qAbs(word.topLeft.y() - at.y()) < 1;
    return count;
}

} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folders = std::make_unique<IsolatedUserFolders>();
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = m_dir->filePath(QStringLiteral("CORVEX.ini"));
        InstrumentData data = SampleData();
        data.programs[2] = SampleProgram("Routine", 1);
        data.programs[3] = SampleProgram("Biopsy", 0);
        data.programs[5] = SampleProgram("Broken", 1);
        data.programs[5].vial(2).Reagent = 250;
        for (int p : {0, 2, 3, 5})
            QVERIFY(SaveToStore(p, m_store, data));
    }

    void programSheetsIntoAPdf()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("sheets.pdf"));
        const QString logo = m_dir->filePath(QStringLiteral("logo.emf"));
        QVERIFY(PictureFiles::writeBytes(logo, PictureFiles::enhancedMetafile400x200()));
        const Run run = corvexctl({QStringLiteral("print-programs"), QStringLiteral("2"), QStringLiteral("4"),
                                   QStringLiteral("--pdf"), pdf, QStringLiteral("--logo"), logo, QStringLiteral("--comment"),
                                   QStringLiteral("Archive 2026"), QStringLiteral("--store"), m_store});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QLatin1String("Programs 02 to 04 (3 pages)")), qPrintable(run.out));
        QCOMPARE(pageCount(pdf), 3);
        const QString text = PdfReading::text(pdf, 1);
        for (const char *expected : {"Archive 2026", "Routine", "Program 02", "Vial 01: Ethanol 70%", "Program Type: EM"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
    }

    void footerOnlyWhenAsked_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<int>("footerWords");

        QTest::newRow("none") << QStringList() << 0;
        QTest::newRow("date") << QStringList{QStringLiteral("--date")} << 1;
        QTest::newRow("date and time") << QStringList{QStringLiteral("--date"), QStringLiteral("--time")} << 2;
    }

    void footerOnlyWhenAsked()
    {
        QFETCH(QStringList, switches);
        QFETCH(int, footerWords);

        const QString pdf = m_dir->filePath(QStringLiteral("reagents.pdf"));
        const Run run = corvexctl(QStringList{QStringLiteral("print-reagents"), QStringLiteral("--pdf"), pdf,
                                              QStringLiteral("--store"), m_store} + switches);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(pageCount(pdf), 1);
        QVERIFY(PdfReading::text(pdf).contains(QLatin1String("Reagent List")));
        QCOMPARE(wordsStartingAt(pdf, QPointF(750, 15000)), footerWords >= 1 ? 1 : 0);
        QCOMPARE(wordsStartingAt(pdf, QPointF(9000, 15000)), footerWords == 2 ? 1 : 0);
    }

    void refusedWithAClearMessage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        QTest::newRow("last below first") << QStringList{QStringLiteral("print-programs"), QStringLiteral("5"), QStringLiteral("3")}
                                          << 2 << "The last program must be a whole number from 5 to 99";
        QTest::newRow("program 0") << QStringList{QStringLiteral("print-programs"), QStringLiteral("0"), QStringLiteral("3")}
                                   << 2 << "The first program must be a whole number from 1 to 99";
        QTest::newRow("bad reagent number") << QStringList{QStringLiteral("print-programs"), QStringLiteral("4"), QStringLiteral("6")}
                                            << 1 << "Unknown Printer Error. (vial 02 of program 05 names reagent 250";
        QTest::newRow("logo not a picture") << QStringList{QStringLiteral("print-reagents"), QStringLiteral("--logo"), QStringLiteral("CORVEX.ini")}
                                            << 1 << "is not a picture that can be read";
        QTest::newRow("broken enhanced metafile logo") << QStringList{QStringLiteral("print-reagents"), QStringLiteral("--logo"), QStringLiteral("logo.emf")}
                                                       << 1 << "logo.emf is not a picture that can be read";
        QTest::newRow("missing logo") << QStringList{QStringLiteral("print-reagents"), QStringLiteral("--logo"), QStringLiteral("nothing.png")}
                                      << 1 << "cannot be opened";
        QTest::newRow("unwritable folder") << QStringList{QStringLiteral("print-reagents"), QStringLiteral("--pdf"), QStringLiteral("/nonexistent-folder/x.pdf")}
                                           << 1 << "cannot write in /nonexistent-folder";
    }

    void refusedWithAClearMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);

        QVERIFY(PictureFiles::writeBytes(m_dir->filePath(QStringLiteral("logo.emf")), PictureFiles::enhancedMetafile400x200().left(100)));
        const QString pdf = m_dir->filePath(QStringLiteral("out.pdf"));
        for (QString &argument : arguments) {
            if (argument == QLatin1String("CORVEX.ini") || argument.startsWith(QLatin1String("logo.")) || argument == QLatin1String("nothing.png"))
                argument = m_dir->filePath(argument);
        }
        if (!arguments.contains(QStringLiteral("--pdf")))
            arguments << QStringLiteral("--pdf") << pdf;
        const Run run = corvexctl(arguments + QStringList{QStringLiteral("--store"), m_store});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".part")), QStringList());
    }

    void withoutAPrinterTheDefaultPrinterRunFails()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            return; // never print a real page from a test
        const Run run = corvexctl({QStringLiteral("print-reagents"), QStringLiteral("--store"), m_store});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("Unknown Printer Error. (no printer is set up on this system)")), qPrintable(run.err));
    }

    void theProgramRunsWithoutADisplay()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("tool.pdf"));
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR")); // as under cron
        tool.setProcessEnvironment(environment);
        tool.start(qEnvironmentVariable("CORVEX_CTL"), {QStringLiteral("print-programs"), QStringLiteral("3"),
                                                        QStringLiteral("3"), QStringLiteral("--pdf"), pdf,
                                                        QStringLiteral("--store"), m_store});
        QVERIFY(tool.waitForFinished(60000));
        const QByteArray errors = tool.readAllStandardError();
        QVERIFY2(tool.exitCode() == 0, errors.constData());
        QVERIFY2(errors.isEmpty(), errors.constData()); // nothing for a script's mail
        QCOMPARE(pageCount(pdf), 1);
    }

private:
    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_store;
};

QTEST_MAIN(TestPrintCommands)
#include "test_print_commands.moc"
