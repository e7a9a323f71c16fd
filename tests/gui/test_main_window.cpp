// The main window as a whole: start-up with and without a store and
// settings, closing, and the dialogs of its menus that need no instrument.
#include "Duration.h"
#include "Progress.h"
#include "Startup.h"
#include "StartupNotice.h"
#include "UserSettings.h"

#include "support/FileFixtures.h"
#include "support/ModalAnswers.h"
#include "support/WidgetHelpers.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QTabWidget>

using namespace corvex;

namespace {

QStringList visibleWindowsBut(const QWidget *except)
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget != except)
            names.append(widget->objectName());
    }
    return names;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_app;
    std::unique_ptr<MainWindow> m_window;

    template<typename T = QWidget>
    T *child(const char *name) { return corvex::child<T>(m_window.get(), name); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void load() { m_window = m_app->loadWindow(); }
    void store(const InstrumentData &data) { QVERIFY(writeBackupFile(m_app->storePath, data, {})); }
    void setProgram(int n) { child<QLineEdit>("txtReadProgram")->setText(QString::number(n)); }
    // Arms `answers`, runs the menu entry and waits until every answer is given.
    void run(ModalAnswers &answers, const char *action)
    {
        trigger(action);
        QTRY_VERIFY(answers.allAnswered());
    }
    // Runs the menu entry, choosing `file` (empty: cancelling) and answering the message boxes after it with `buttons`.
    void runWithFile(ModalAnswers &answers, const char *action, const QString &file, std::initializer_list<QMessageBox::StandardButton> buttons = {})
    {
        answers.chooseFile(file);
        for (const QMessageBox::StandardButton button : buttons)
            answers.click(button);
        run(answers, action);
    }

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup()
    {
        m_window.reset();
        m_app.reset();
    }

    void startUpWithoutStoreOrSettings()
    {
        ModalAnswers answers;
        QStringList visibleDuringNotice;
        answers.handle([&visibleDuringNotice](QWidget *notice) {
            visibleDuringNotice = visibleWindowsBut(notice);
            qobject_cast<QMessageBox *>(notice)->button(QMessageBox::Ok)->click();
        });
        Startup startup(m_app->parts());
        QSignalSpy shown(&startup, &Startup::shown);
        startup.start();
        QVERIFY(shown.count() == 1 || shown.wait(20'000));
        m_window = startup.takeWindow();
        QCOMPARE(answers.seen(), QStringList{QStringLiteral("Varnel Corvex|") + startupNoticeText() + QStringLiteral("|!")});
        QCOMPARE(visibleDuringNotice, QStringList()); // nothing of the utility before the notice is confirmed
        QVERIFY(m_window->isVisible() && visibleWindowsBut(m_window.get()).isEmpty()); // the start-up window is gone

        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
        QVERIFY(!QFile::exists(m_app->storePath)); // nothing is written until a transfer
    }

    void startUpWithStore()
    {
        const InstrumentData stored = fullSampleData();
        store(stored);
        load();
        // Showing program 1 the first time selects its type, which recomputes
        // its total time in memory; nothing else changes.
        InstrumentData expected = stored;
        recalculateDuration(expected.programs[1]);
        QVERIFY(m_app->data.reagents == expected.reagents && m_app->data.programs == expected.programs);
    }

    void unreadableStoreIsReported()
    {
        QVERIFY(QDir().mkpath(m_app->storePath)); // a folder where the file should be
        const QString report = asked(QMessageBox::Ok, [this] { load(); });
        QVERIFY(report.startsWith(QStringLiteral("Varnel Corvex|")) && report.endsWith(QStringLiteral("|!")));
        QCOMPARE(child<QListWidget>("lsReagents")->count(), 200);
    }

    // Export, then import into another program; failures are reported and change nothing.
    void exportAndImport()
    {
        store(sampleData());
        load();
        const QByteArray storeBefore = readBytes(m_app->storePath);
        const QString file = m_app->folders.path() + QStringLiteral("/biopsy.txt");
        QVERIFY(writeBytes(file, "[Other]\r\n"));
        ModalAnswers answers;
        setProgram(7);
        answers.chooseFile(file);
        answers.click(QMessageBox::No); // the dialog's own question about the existing file
        runWithFile(answers, "mnExport", QString()); // then cancelled
        QCOMPARE(readBytes(file), QByteArray("[Other]\r\n"));
        runWithFile(answers, "mnExport", file, {QMessageBox::Yes, QMessageBox::Ok});
        QCOMPARE(answers.seen().at(5), QStringLiteral("Export Program|Program07 (\"Biopsy\") has been saved.|i"));

        m_app->data.programs[12].name = stored("Old twelve");
        setProgram(12);
        runWithFile(answers, "mnImport", file, {QMessageBox::No});
        QCOMPARE(m_app->data.programs[12].name, stored("Old twelve"));
        QVERIFY(answers.seen().at(7).startsWith(QStringLiteral("Import File|Program12 (\"Old twelve\") will be overwritten.")));
        runWithFile(answers, "mnImport", file, {QMessageBox::Yes});
        QCOMPARE(m_app->data.programs[12], m_app->data.programs[7]);
        QCOMPARE(child<QLineEdit>("txtProgramName")->text() + QString::number(child<QListWidget>("lsVials")->count()), QStringLiteral("Biopsy12"));

        const ProgramRecord before = m_app->data.programs[12];
        QVERIFY(writeBytes(file, garbage(4000, 7)));
        runWithFile(answers, "mnExport", m_app->folders.path() + QStringLiteral("/no such folder/export.txt"), {QMessageBox::Ok});
        // Yes: the dialog's own question about the existing file.
        runWithFile(answers, "mnExport", m_app->storePath, {QMessageBox::Yes, QMessageBox::Ok});
        runWithFile(answers, "mnImport", file, {QMessageBox::Yes, QMessageBox::Ok});
        runWithFile(answers, "mnImport", QString()); // cancelled: nothing asked
        const QStringList seen = answers.seen().mid(10);
        QCOMPARE(seen.size(), 9);
        QVERIFY(seen.at(1).startsWith(QStringLiteral("Export Program|")) && seen.at(1).endsWith(QStringLiteral("|x"))
                && !seen.at(1).contains(QStringLiteral("has been saved")));
        QVERIFY(seen.at(4).contains(QStringLiteral("is the local store itself")));
        QCOMPARE(seen.at(7), QStringLiteral("Import Program|This is not a valid Program File.\n[Program] Duration is missing.|!"));
        QVERIFY(readBytes(m_app->storePath) == storeBefore && m_app->data.programs[12] == before);
    }

    void settingsOkAndCancel()
    {
        load();
        ModalAnswers answers;
        QStringList devices;
        for (const char *button : {"cmdCancel", "cmdOK"}) {
            answers.handle([&devices, button](QWidget *dialog) {
                dialog->findChild<QComboBox *>(QStringLiteral("cbComm"))->setCurrentIndex(2);
                dialog->findChild<QAbstractButton *>(QStringLiteral("chkVerify"))->setChecked(true);
                devices << dialog->findChild<QLabel *>(QStringLiteral("lblDevice"))->text();
                QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
            });
            run(answers, "mnSettings");
            // Neither the search at start-up nor Cancel stores a port or the verify option.
            QCOMPARE(QList<bool>({hasUserSetting(UserSetting::commPort), readUserSetting(UserSetting::verifyTransfers, false).toBool()}),
                     QList<bool>(2, button == QByteArray("cmdOK")));
        }
        QCOMPARE(devices, QStringList(2, QStringLiteral("Device: ") + m_app->folders.path() + QStringLiteral("/absent-COM3")));
        QCOMPARE(readUserSetting(UserSetting::commPort).toInt(), 3);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
    }

    // Nothing of it reaches the store; closing asks (No keeps the window), and an edit undone or a program
    // exported no longer counts.
    void unsentEditsMarkTheWindowAndAreAskedAboutAtClose()
    {
        store(sampleData());
        load();
        QSignalSpy closed(m_window.get(), &MainWindow::closed);
        const QByteArray storeBefore = readBytes(m_app->storePath);
        setProgram(1);
        retype(child<QLineEdit>("txtProgramName"), QStringLiteral("Renamed"));
        setProgram(3);
        child<QListWidget>("lsVials")->setCurrentRow(1);
        retype(child<QLineEdit>("txtMin"), QStringLiteral("42"));
        QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
        auto *reagents = child<QListWidget>("lsReagents");
        reagents->setCurrentRow(13);
        retype(child<QLineEdit>("txtReagent"), QStringLiteral("Typed only"));
        QCOMPARE(child<QLineEdit>("txtReagent")->text() + QString::number(m_window->isWindowModified()), QStringLiteral("Typed only1"));

        const QString question = asked(QMessageBox::No, [this] { m_window->close(); });
        QCOMPARE(question, QStringLiteral("Varnel Corvex|Program01, Program03 and Reagent 014 have changes that were not "
                                          "sent to the Corvex. Close anyway?|?"));
        QVERIFY(m_window->isVisible() && closed.isEmpty());
        child<QTabWidget>("SSTab1")->setCurrentIndex(0);
        setProgram(1);
        retype(child<QLineEdit>("txtProgramName"), QString()); // as it was: blank
        ModalAnswers answers;
        answers.chooseFile(m_app->folders.path() + QStringLiteral("/three.txt"));
        answers.click(QMessageBox::Ok);
        setProgram(3);
        run(answers, "mnExport");
        QCOMPARE(asked(QMessageBox::Yes, [this] { m_window->close(); }),
                 QStringLiteral("Varnel Corvex|Reagent 014 has changes that were not sent to the Corvex. Close anyway?|?"));
        QVERIFY(closed.count() == 1 || closed.wait());
        QCOMPARE(readBytes(m_app->storePath), storeBefore);
    }

    // At the window's default size each tab's status line shows every status text whole.
    void statusTextsFitTheirLabels()
    {
        load();
        QStringList cut;
        for (const int tab : {0, 1}) {
            child<QTabWidget>("SSTab1")->setCurrentIndex(tab);
            auto *label = child<QLabel>(tab == 0 ? "lblPercent2" : "lblPercent");
            for (const QString &text : {percentText(138, 138), retryingText(5, 5)}) {
                label->setText(text);
                label->parentWidget()->layout()->activate();
                if (label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width())
                    cut << label->objectName() + QLatin1Char(' ') + text;
            }
        }
        QCOMPARE(cut, QStringList());
    }

};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
