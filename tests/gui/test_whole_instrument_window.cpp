// The File menu's Back Up Instrument, Restore Instrument, Compare and
// Transfer Log, with the real dialogs; the first two against corvex-sim.
#include "app/CompareDialog.h"
#include "model/BackupFile.h"
#include "model/TransferLogReader.h"
#include "ui/TransferLogDialog.h"

#include "support/FileFixtures.h"
#include "support/InstrumentImage.h"
#include "support/ModalAnswers.h"
#include "support/SimulatorProcess.h"
#include "support/WidgetHelpers.h"
#include "support/WindowFixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>

class TestWholeInstrumentWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<AppFixture> m_app;

    QString path(const QString &name) const { return m_app->folders.path() + QLatin1Char('/') + name; }

    // The simulator on COM2 holding TwelveProgramData, and the window connected to it.
    std::unique_ptr<MainWindow> startWindow(SimulatorProcess &sim)
    {
        const QString memory = path(QStringLiteral("memory.bin"));
        if (!WriteBytes(memory, InstrumentImage(TwelveProgramData())) || !sim.start({QStringLiteral("--memory"), memory}))
            qFatal("the simulator did not start: %s", qPrintable(sim.errorString()));
        SetPortDeviceOverride(2, sim.devicePath());
        return m_app->loadWindow();
    }
    // Starts a backup to `file` from the File menu.
    static void backUp(MainWindow *window, const QString &file)
    {
        ModalAnswers answers;
        answers.chooseFile(file);
        Child<QAction>(window, "mnBackup")->trigger();
        QVERIFY(QTest::qWaitFor([&answers] { return answers.allAnswered(); }));
    }

    // Answers (OK) the message box that ends a long job, letting the
    // progress window before it be, and says how it read. The job runs in
    // an event loop of its own meanwhile: qWait would pause between bytes.
    static QString finalBox()
    {
        QString seen;
        QEventLoop loop;
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&seen, &loop] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !seen.isEmpty())
                return;
            seen = box->windowTitle() + QLatin1Char('|') + box->text() + QLatin1Char('|')
                + QStringLiteral(" i!x?").mid(box->icon(), 1).trimmed();
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
            loop.quit();
        });
        look.start(5);
        loop.exec();
        return seen.isEmpty() ? QStringLiteral("no box") : seen;
    }

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

    void backUpThenRestoreFromTheFileMenu()
    {
        QVERIFY(WriteStore(m_app->storePath, SampleData()));
        SimulatorProcess sim;
        const std::unique_ptr<MainWindow> window = startWindow(sim);
        const QString backup = path(QStringLiteral("backup.ini"));
        backUp(window.get(), backup);
        QVERIFY(window->findChild<QDialog *>(QStringLiteral("frmProgress")));
        QCOMPARE(finalBox(), QStringLiteral("Back Up Instrument|The Corvex has been backed up to \"%1\" (5147 bytes read).|i").arg(backup));
        InstrumentData read;
        QVERIFY(LoadStore(backup, read));
        QVERIFY(read.programs == TwelveProgramData().programs);

        // The store holds other data: the question says how much differs, and Yes restores.
        {
            ModalAnswers answers;
            answers.chooseFile(backup);
            answers.click(QMessageBox::Yes);
            Child<QAction>(window.get(), "mnRestore")->trigger();
            QVERIFY(answers.allAnswered());
            QVERIFY2(answers.seen().value(1).contains(QStringLiteral("It differs from the local store")),
                     qPrintable(answers.seen().join(QLatin1Char('\n'))));
        }
        QCOMPARE(finalBox(), QStringLiteral("Restore Instrument|\"%1\" has been restored to the Corvex and saved to the local store.|i").arg(backup));
        QVERIFY(m_app->data.programs == read.programs && m_app->data.reagents == read.reagents);
        InstrumentData stored;
        QVERIFY(LoadStore(m_app->storePath, stored));
        QVERIFY(stored.programs == read.programs && stored.reagents == read.reagents);
    }

    // The backup runs in the window's busy state: closing the window stops it,
    // writes no file, shows nothing and then closes the window.
    void closingDuringABackupWritesNothingAndCloses()
    {
        SimulatorProcess sim;
        const std::unique_ptr<MainWindow> window = startWindow(sim);
        QSignalSpy closed(window.get(), &MainWindow::closed);
        const QString backup = path(QStringLiteral("backup.ini"));
        backUp(window.get(), backup);
        QVERIFY(!Child<QMenu>(window.get(), "mnFile")->menuAction()->isEnabled());
        window->close();
        QVERIFY(window->isVisible()); // until the backup has ended
        QVERIFY(closed.wait(30000));
        QVERIFY(!window->isVisible());
        QVERIFY(!QFile::exists(backup));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void compareShowsTheDifferencesSideBySide()
    {
        const InstrumentData data = TwelveProgramData();
        InstrumentData other = data;
        other.programs[13].vial(4).Temp = 60;
        other.reagents[9] = "Ethanol 96%  ";
        QVERIFY(WriteBackupFile(path(QStringLiteral("other.ini")), other, {}));
        QVERIFY(WriteBackupFile(m_app->storePath, data, {}));

        CompareDialog dialog(m_app->storePath, 13, [](auto) { QFAIL("the Corvex is not asked"); });
        dialog.show();
        dialog.setSide(0, CompareDialog::Source::LocalStore);
        dialog.setSide(1, CompareDialog::Source::File, path(QStringLiteral("other.ini")));
        Click(Child<QPushButton>(&dialog, "cmdCompare"));
        QStringList rows;
        for (int i = 0; i < dialog.list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = dialog.list()->topLevelItem(i);
            rows << item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') + item->text(2);
        }
        QCOMPARE(rows, QStringList({QStringLiteral("Program13 V04Temp|37|60"),
                                    QStringLiteral("Reagent 009|\"Reagent 9\"|\"Ethanol 96%\"")}));
        QCOMPARE(dialog.list()->headerItem()->text(2), path(QStringLiteral("other.ini")));
        QCOMPARE(dialog.summary()->text(), QStringLiteral("2 differences."));
    }

    void transferLogNewestFirstWithFilterAndExport()
    {
        const QString logPath = path(QStringLiteral("log.csv"));
        TransferLog log(logPath);
        for (const QString &operation : {LogOperation::Backup, LogOperation::Restore, LogOperation::Print}) {
            TransferLogEntry entry = NewLogEntry(operation, QStringLiteral("all"));
            entry.result = LogResult::Done;
            QVERIFY(log.append(entry));
        }
        QFile file(logPath);
        QVERIFY(file.open(QIODevice::Append) && file.write("garbage\r\n") > 0);
        file.close();

        TransferLogDialog dialog(logPath);
        dialog.show();
        const QAbstractItemModel *shown = dialog.table()->model();
        QCOMPARE(shown->rowCount(), 4);
        QCOMPARE(shown->index(0, 0).data().toString(), QStringLiteral("(damaged line)"));
        QCOMPARE(shown->index(1, 4).data().toString(), LogOperation::Print);
        TypeText(dialog.filterBox(), QStringLiteral("RESTORE"));
        QCOMPARE(shown->rowCount(), 1);

        const QString exported = path(QStringLiteral("export.csv"));
        QVERIFY(dialog.exportTo(exported));
        const TransferLogContent content = ReadTransferLog(exported);
        QCOMPARE(content.lines.size(), 1);
        QCOMPARE(content.lines[0].entry.operation, LogOperation::Restore);
    }

};

QTEST_MAIN(TestWholeInstrumentWindow)
#include "test_whole_instrument_window.moc"
