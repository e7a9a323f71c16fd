#include "LocalStore.h"
#include "PdfReading.h"
#include "PrintDialog.h"
#include "SheetFixtures.h"
#include "support/PrivatePrintService.h"
#include "support/TestFolder.h"

#include <QPushButton>
#include <QTest>

#include <cups/cups.h>

using namespace corvex;

namespace {

const QString office = QStringLiteral("Office");

// The jobs the print service knows, as "queue: title", sorted; `newest` gets the highest job id.
QStringList jobs(int which = CUPS_WHICHJOBS_ALL, int *newest = nullptr)
{
    cups_job_t *list = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, which);
    QStringList found;
    for (int i = 0; i < count; ++i) {
        found << QStringLiteral("%1: %2").arg(QString::fromUtf8(list[i].dest), QString::fromUtf8(list[i].title));
        if (newest)
            *newest = qMax(*newest, list[i].id);
    }
    cupsFreeJobs(count, list);
    found.sort();
    return found;
}

// The queue printed to, what happens to the print service after the printer was chosen, and what the failure says.
struct Refusal { QString queue, change, detail; };

} // namespace

// Printing through a real print service that the test runs itself: what
// reaches a queue, and every way the service can refuse a job, seen from the
// command-line tool and from the print dialog.
class TestPrintService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        m_data = sampleData();
        m_data.programs[1] = sampleProgram("Routine", typeEm);
        m_data.programs[7] = sampleProgram("Biopsy", typeLm);
        for (int p : {0, 1, 7})
            QVERIFY(saveToStore(p, m_folder->store, m_data));
        m_messages.clear();
        QVERIFY2(m_service.start(), qPrintable(m_service.errorString()));
        QVERIFY2(m_service.addQueue(office) && m_service.client(QStringLiteral("lpadmin"), {QStringLiteral("-d"), office}),
                 qPrintable(m_service.errorString()));
    }

    void acceptedJobsArePrintedUnderTheirNames()
    {
        const QStringList before = jobs();

        const CtlRun programs = runTool({"print-programs", "1", "2"});
        QVERIFY2(programs.exitCode == 0, qPrintable(programs.err));
        QCOMPARE(programs.out.trimmed(), QStringLiteral("Programs 01 to 02 (2 pages) printed to the printer \"Office\"."));
        int programsJob = 0;
        jobs(CUPS_WHICHJOBS_ALL, &programsJob);
        QVERIFY(printFromTheDialog(office));
        QVERIFY(m_messages.isEmpty());

        QStringList expected = before;
        expected << QStringLiteral("Office: Corvex programs 01\u201302") << QStringLiteral("Office: Corvex program 07");
        expected.sort();
        QTRY_COMPARE_WITH_TIMEOUT(jobs(CUPS_WHICHJOBS_COMPLETED), expected, 60'000);
        const QString document = m_service.jobDocument(programsJob);
        QCOMPARE(PdfReading::pageCount(document), 2);
        QVERIFY(PdfReading::text(document, 2).contains(QLatin1String("Program 02")));
    }

    void refusedJobsAreFailures_data()
    {
        QTest::addColumn<Refusal>("row");
        QTest::newRow("queue rejects jobs") << Refusal{office, "cupsreject", "the printer \"Office\" is not accepting jobs"};
        QTest::newRow("printer removed") << Refusal{office, "lpadmin -x", "the printer \"Office\" is not set up on this system"};
        QTest::newRow("print service down") << Refusal{office, "stop", "cannot be reached"};
        QTest::newRow("no such queue") << Refusal{"Nowhere", "", "the printer \"Nowhere\" is not set up on this system"};
        QTest::newRow("disk full while composing") << Refusal{office, "full disk", "cannot compose the job"};
    }

    void refusedJobsAreFailures()
    {
        QFETCH(Refusal, row);
        const auto &[queue, change, detail] = row;
        // The dialog's printer is chosen while the queue still prints.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(office);
        const QStringList before = jobs();
        const bool fullDisk = change == QLatin1String("full disk");
        if (change == QLatin1String("stop")) {
            m_service.stop();
        } else if (!change.isEmpty() && !fullDisk) {
            QStringList arguments = change.split(QLatin1Char(' ')) << queue;
            QVERIFY2(m_service.client(arguments.takeFirst(), arguments), qPrintable(m_service.errorString()));
        }

        const CtlRun run = runTool({"print-programs", "1", "1", "--printer", queue}, fullDisk ? 4 : 0);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(QLatin1String("Unknown Printer Error. (")) && run.err.contains(detail) && run.out.isEmpty(), qPrintable(run.err));

        if (!change.isEmpty() && !fullDisk) {
            QVERIFY(!printFromTheDialog(office, &printer));
            QCOMPARE(m_messages, QStringList{QStringLiteral("Printer Error.|Unknown Printer Error.")});
        }
        for (const QString &job : jobs()) // none reached a queue
            QVERIFY2(before.contains(job), qPrintable(job));
    }

private:
    // Prints program 7 with the dialog's OK on the printer chosen in its
    // setup; false when the dialog kept itself after a failure.
    bool printFromTheDialog(const QString &queue, QPrinter *chosen = nullptr)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        PrintDialogSeams seams = PrintDialogSeams::system();
        seams.showMessage = [this](QWidget *, QMessageBox::Icon, const QString &title, const QString &text) {
            m_messages << title + QLatin1Char('|') + text;
        };
        seams.printer = chosen ? chosen : &printer;
        PrintDialog dialog(m_data, 7, nullptr, seams);
        dialog.findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
        return !dialog.keptAfterFailure();
    }

    // The real tool, on the test's store; with `fullDiskKiB`, on a disk that takes only that much of a file.
    CtlRun runTool(const QStringList &arguments, int fullDiskKiB = 0) const
    {
        const QStringList all = arguments + QStringList{QStringLiteral("--store"), m_folder->store};
        return fullDiskKiB ? runCtlOnAFullDisk(all, fullDiskKiB) : runProcess(ctlProgram(), all);
    }

    PrivatePrintService m_service;
    std::unique_ptr<TestFolder> m_folder;
    InstrumentData m_data;
    QStringList m_messages; // title|text
};

QTEST_MAIN(TestPrintService)
#include "test_print_service.moc"
