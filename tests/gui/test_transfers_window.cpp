// Transfers run from the main window's buttons and File menu against
// corvex-sim on a pseudo-terminal: connection, program read and send, reagent
// read, send and Read ALL with Stop, closing during a transfer, a silent
// instrument, a lost port, backup and restore. The workflows a technician
// runs every day go by key events only: Tab and the arrow keys to reach a
// control, Space and Enter to press it, the menus by their letters, Escape to
// close a dialog. After each step the focus is on a visible control where the
// user left it.
#include "ClipboardMenu.h"
#include "CompareDialog.h"
#include "PrintSession.h"
#include "StoreLock.h"
#include "TransferJob.h"
#include "UserSettings.h"

#include "support/FileFixtures.h"
#include "support/InstrumentImage.h"
#include "support/ModalAnswers.h"
#include "support/SimulatorProcess.h"
#include "support/WidgetHelpers.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

using namespace corvex;

namespace {

// A left click with its events stamped `milliseconds`, as the window system
// stamps them: two within the double-click interval make a double-click.
void clickAt(QWidget *widget, quint64 milliseconds)
{
    const QPointF local = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(local);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, local, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        event.setTimestamp(milliseconds);
        QApplication::sendEvent(widget, &event);
    }
}


QWidget *mainWindow = nullptr;
// A window of its own that the keys go to instead of the main window.
QWidget *workingIn = nullptr;

QWidget *windowOfKeys()
{
    if (QWidget *dialog = QApplication::activeModalWidget())
        return dialog;
    return workingIn ? workingIn : mainWindow;
}

// The control with the focus: in the dialog that is open, else in the main
// window. (The offscreen platform does not always make the window active
// that a window manager would.)
QWidget *focused()
{
    return windowOfKeys() ? windowOfKeys()->focusWidget() : nullptr;
}

// Where a key goes: an open menu, else the control with the focus.
QWidget *keyTarget()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    return focused() ? focused() : windowOfKeys();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *window = windowOfKeys();
    if (window && QApplication::activeWindow() != window && !QApplication::activeModalWidget()
        && !QApplication::activePopupWidget()) {
        // What the window manager does when a window opens, or a dialog or a
        // menu closes; the menus' letters need it.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QTest::keyClick(keyTarget(), Qt::Key(key), modifiers);
}

QString focusName()
{
    const QWidget *focus = focused();
    return !focus ? QStringLiteral("(none)") : focus->isVisible() ? focus->objectName() : QStringLiteral("(hidden)");
}

// Tab until the control named `name` has the focus; false when Tab never gets there.
bool tabTo(const char *name)
{
    for (int presses = 0; presses < 60; ++presses) {
        if (focusName() == QLatin1String(name))
            return true;
        press(Qt::Key_Tab);
    }
    return false;
}

// Selects all of the focused box's text and types over it (number boxes take no Ctrl+A).
void typeOver(const QString &text)
{
    press(Qt::Key_Home);
    press(Qt::Key_End, Qt::ShiftModifier);
    typeText(focused(), text);
}

// Types a file name into the file dialog and confirms it with Enter.
std::function<void(QWidget *)> typeFileName(const QString &path)
{
    return [path](QWidget *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        typeText(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    };
}

} // namespace

class TestTransfersWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_app;
    std::unique_ptr<SimulatorProcess> m_sim;
    std::unique_ptr<MainWindow> m_window;

    template<typename T = QWidget>
    T *child(const char *name) { return corvex::child<T>(m_window.get(), name); }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString backupPath() { return m_app->folders.path() + QStringLiteral("/backup.ini"); }
    QByteArray storeText() { return readBytes(m_app->storePath); }
    InstrumentData reloadedStore()
    {
        InstrumentData reloaded;
        [&] { QVERIFY(loadStore(m_app->storePath, reloaded)); }();
        return reloaded;
    }
    void showReagents() { child<QTabWidget>("SSTab1")->setCurrentIndex(1); }
    // Notes what `label` shows each time the transfer just started announces a retry.
    void noteRetries(const char *label, QStringList &notes)
    {
        const QList<TransferJob *> jobs = m_window->findChildren<TransferJob *>();
        QVERIFY(!jobs.isEmpty());
        connect(jobs.last(), &TransferJob::retrying, this, [this, label, &notes] { notes << child<QLabel>(label)->text(); });
    }
    // Waits until the transfer under way has ended and the window is idle again.
    void waitUntilIdle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isEnabled() && child<QMenu>("mnFile")->menuAction()->isEnabled(), 60'000);
    }
    // The simulator on COM2, sampleData in the store, and the window loaded,
    // which finds the instrument by searching all ports.
    void start(const QStringList &simulatorOptions = {QStringLiteral("--demo")})
    {
        m_sim = std::make_unique<SimulatorProcess>();
        QVERIFY2(m_sim->start(simulatorOptions), qPrintable(m_sim->errorString()));
        setPortDeviceOverride(2, m_sim->devicePath());
        QVERIFY(writeBackupFile(m_app->storePath, sampleData(), {}));
        m_window = m_app->loadWindow();
        mainWindow = m_window.get();
        // Retries only where a test asks for silence, also on a busy machine.
        m_app->link.setTickInterval(std::chrono::milliseconds(50));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - connected on COM2"));
    }

    // Starts a backup from the File menu.
    void backUp()
    {
        ModalAnswers answers;
        answers.chooseFile(backupPath());
        child<QAction>("mnBackup")->trigger();
        QVERIFY(QTest::qWaitFor([&answers] { return answers.allAnswered(); }));
    }

    // Restores from `file` by the File menu, answering the question after choosing it with `answer`; gives that question.
    QString restoreFrom(const QString &file, QMessageBox::StandardButton answer)
    {
        ModalAnswers answers;
        answers.chooseFile(file);
        answers.click(answer);
        child<QAction>("mnRestore")->trigger();
        return answers.allAnswered() ? answers.seen().value(1) : QStringLiteral("not asked");
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
            seen = ModalAnswers::describe(box);
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
            loop.quit();
        });
        look.start(5);
        loop.exec();
        return seen.isEmpty() ? QStringLiteral("no box") : seen;
    }

    // Runs `keys`, which start a transfer, and waits until the window is idle again.
    void runTransfer(const std::function<void()> &keys)
    {
        QSignalSpy busyOrIdle(child<QMenu>("mnFile")->menuAction(), &QAction::enabledChanged);
        keys();
        while (busyOrIdle.count() < 2)
            QVERIFY(busyOrIdle.wait(60'000));
    }

    // Opens the File menu with Alt+F and chooses the entry of `letter`.
    void fileMenu(int letter)
    {
        press(Qt::Key_F, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), child("mnFile"));
        press(letter);
    }

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup()
    {
        mainWindow = nullptr;
        workingIn = nullptr;
        m_window.reset();
        m_sim.reset();
        m_app.reset();
    }

    void readAllWithStop()
    {
        start();
        showReagents();
        auto *list = child<QListWidget>("lsReagents");
        auto *readAll = button("cmdReadAllReagents");
        const QPoint inList = list->visualItemRect(list->item(3)).center();
        QStringList whileRunning;
        connect(list, &QListWidget::currentRowChanged, this, [&](int row) {
            if (row != 56 || !whileRunning.isEmpty())
                return; // reagent 57 has been read; the bar still shows reagent 56
            QTest::mouseClick(list->viewport(), Qt::RightButton, {}, inList);
            whileRunning << readAll->text() << QString::number(readAll->isEnabled()) << child<QLabel>("lblPercent")->text()
                         << QString::number(child<QProgressBar>("pbReagents")->value()) << QString::number(clipboardMenuOf(list)->isVisible());
            // The first click of a double-click: Stop, which stays locked until the run has ended.
            clickAt(readAll, 1'000'000'000);
            whileRunning << readAll->text() + QString::number(readAll->isEnabled());
        });
        click("cmdReadAllReagents");
        QTRY_COMPARE_WITH_TIMEOUT(readAll->text(), QStringLiteral("Read ALL from Corvex"), 60'000);
        clickAt(readAll, 1'000'000'100); // the double-click's second click, after the end: not a new Read ALL
        QCOMPARE(readAll->text(), QStringLiteral("Read ALL from Corvex"));
        waitUntilIdle();

        // Stop, the percentage of the reagent before, no list menu; once clicked, Stop is locked.
        QCOMPARE(whileRunning, QStringList({"Stop", "1", "28%", "56", "0", "Stop0"}));
        // Reagent 58 is not read any more; 57 is blank on the instrument.
        QCOMPARE(QList<QByteArray>({m_app->data.reagents[24], m_app->data.reagents[58]}), QList<QByteArray>({stored("Buffer pH7.4"), stored("Reagent 058")}));
        QCOMPARE(list->item(56)->text() + child<QLabel>("lblPercent")->text(),
                 QStringLiteral("Reagent 057: \"             \"Read ALL stopped after Reagent 057; 57 names saved."));
        QCOMPARE(child<QProgressBar>("pbReagents")->value(), 1);
        QCOMPARE(m_window->focusWidget(), readAll); // Stop keeps the focus
        QVERIFY(reloadedStore().reagents == m_app->data.reagents);

        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, inList);
        QVERIFY(clipboardMenuOf(list)->isVisible()); // idle again: the menu opens
        clipboardMenuOf(list)->close();
    }

    // Closing the window during each kind of transfer: it stays, disabled and
    // saying why, until the transfer has ended as closing asks, then closes.
    void closingDuringATransfer_data()
    {
        QTest::addColumn<QString>("transfer");
        QTest::newRow("read: broken off, nothing saved") << "read";
        QTest::newRow("send: the program finished, then closed") << "send";
        QTest::newRow("Read ALL: stopped after its reagent, saved") << "Read ALL";
        QTest::newRow("backup: stopped, no file, nothing shown") << "backup";
    }
    void closingDuringATransfer()
    {
        QFETCH(QString, transfer);
        start();
        QSignalSpy closed(m_window.get(), &MainWindow::closed);
        const QByteArray storeBefore = storeText();
        const ProgramRecord programBefore = m_app->data.programs[3];
        QString whileClosing;
        const auto closeNow = [&] {
            if (!whileClosing.isEmpty())
                return;
            m_window->close();
            whileClosing = m_window->windowTitle() + (m_window->isVisible() ? QStringLiteral(", shown") : QString())
                + (m_window->isEnabled() ? QStringLiteral(", enabled") : QString());
        };
        if (transfer == QLatin1String("backup")) {
            backUp();
            QVERIFY(!child<QMenu>("mnFile")->menuAction()->isEnabled());
            closeNow();
        } else if (transfer == QLatin1String("Read ALL")) {
            showReagents();
            connect(child<QListWidget>("lsReagents"), &QListWidget::currentRowChanged, this, [&](int row) {
                if (row == 9)
                    closeNow();
            });
            click("cmdReadAllReagents");
        } else {
            connect(child<QProgressBar>("pbPrograms"), &QProgressBar::valueChanged, this, [&](int value) {
                if (value == 10)
                    closeNow();
            });
            child<QLineEdit>("txtReadProgram")->setText(QStringLiteral("3"));
            if (transfer == QLatin1String("read")) {
                click("cmdReadProgram");
            } else {
                QCOMPARE(asked(QMessageBox::No, [this] { click("cmdSendProgram"); }), // No: nothing sent
                         QStringLiteral("Send Program to Corvex|Program03, which is stored on the Corvex, will be overwritten. Are you sure?|"));
                QVERIFY(storeText() == storeBefore && button("cmdSendProgram")->isEnabled());
                asked(QMessageBox::Yes, [this] { click("cmdSendProgram"); });
            }
        }
        QVERIFY(closed.count() == 1 || closed.wait(60'000));
        QCOMPARE(whileClosing, QStringLiteral("Finishing the transfer before closing..., shown"));
        QVERIFY(!m_app->port.isOpen());
        if (transfer == QLatin1String("backup"))
            QVERIFY(!QFile::exists(backupPath()) && !QApplication::activeModalWidget());
        else if (transfer == QLatin1String("read"))
            QVERIFY(m_app->data.programs[3] == programBefore && storeText() == storeBefore);
        else if (transfer == QLatin1String("send"))
            QCOMPARE(reloadedStore().programs[3], m_app->data.programs[3]);
        else
            QVERIFY(m_app->data.reagents[10] == stored("Isopropanol") && m_app->data.reagents[11] == stored("Reagent 011")
                    && reloadedStore().reagents == m_app->data.reagents);
    }

    // Every job locks every editing control while it runs, has Stop, and
    // says how it ended when stopped.
    void everyJobLocksEditingAndStops_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<QString>("ended");
        QTest::newRow("read program") << "read program" << "Reading Program01 stopped; it is unchanged.";
        QTest::newRow("read reagent") << "read reagent" << "Reading Reagent 001 stopped; it is unchanged.";
        QTest::newRow("Read ALL") << "Read ALL" << "Read ALL stopped after Reagent 001; 1 name saved.";
        QTest::newRow("backup") << "backup" << "Back Up Instrument|The backup was stopped at Program01; no backup file was written.|!";
        QTest::newRow("restore") << "restore" << "Restore Instrument|The restore was stopped.";
        QTest::newRow("Compare's read") << "compare" << "The comparison was stopped at Program01; nothing was compared.";
    }
    void everyJobLocksEditingAndStops()
    {
        QFETCH(QString, job);
        QFETCH(QString, ended);
        start();
        QPushButton *stop = nullptr;
        QLabel *said = nullptr;
        if (job == QLatin1String("read program")) {
            click("cmdReadProgram");
            stop = button("cmdReadProgram");
            said = child<QLabel>("lblPercent2");
        } else if (job == QLatin1String("read reagent") || job == QLatin1String("Read ALL")) {
            const char *name = job == QLatin1String("Read ALL") ? "cmdReadAllReagents" : "cmdReadReagents";
            click(name);
            stop = button(name);
            said = child<QLabel>("lblPercent");
        } else if (job == QLatin1String("compare")) {
            child<QAction>("mnCompare")->trigger();
            auto *dialog = m_window->findChild<CompareDialog *>(QStringLiteral("frmCompare"));
            QVERIFY(dialog && !dialog->isModal());
            stop = corvex::child<QPushButton>(dialog, "cmdCompare");
            stop->click();
            said = dialog->summary();
        } else if (job == QLatin1String("backup")) {
            backUp();
        } else {
            QVERIFY(writeBackupFile(backupPath(), sampleData(), {}));
            QVERIFY(restoreFrom(backupPath(), QMessageBox::Yes) != QStringLiteral("not asked"));
        }
        if (!said)
            stop = corvex::child<QPushButton>(m_window->findChild<QDialog *>(QStringLiteral("frmProgress")), "cmdStop");
        QStringList usable;
        for (const char *name : {"txtReadProgram", "txtProgramName", "cbType", "lsVials", "cbReagents", "cbAgit", "chkPause",
                                 "opt_1", "cmdOK", "txtRead", "txtReagent", "cmdSend", "cmdSendProgram"})
            if (child(name)->isEnabled())
                usable << QLatin1String(name);
        QCOMPARE(usable, QStringList());
        QVERIFY(stop->isEnabled() && !child<QMenu>("mnFile")->menuAction()->isEnabled());
        stop->click();
        if (said) {
            waitUntilIdle();
            QCOMPARE(said->text(), ended);
        } else {
            QVERIFY(finalBox().startsWith(ended));
        }
    }

    // How the window reports a failed job; which bytes were tried and kept is the jobs' business.
    void aSilentInstrumentIsReportedAndLosesNothing()
    {
        start({QStringLiteral("--demo"), QStringLiteral("--silent-after"), QStringLiteral("1")});
        m_app->link.setTickInterval(std::chrono::milliseconds(5));
        const InstrumentData before = m_app->data;
        const QByteArray storeBefore = storeText();
        QStringList notes[2]; // each tab's own label says so
        const QString readFailure = asked(QMessageBox::Ok, [&] {
            click("cmdReadProgram");
            noteRetries("lblPercent2", notes[0]);
        });
        QVERIFY(readFailure.startsWith(QStringLiteral("Read from Corvex|")) && readFailure.endsWith(QStringLiteral("|x")));
        showReagents();
        QVERIFY(asked(QMessageBox::Ok, [&] {
                    click("cmdReadReagents");
                    noteRetries("lblPercent", notes[1]);
                }).endsWith(QStringLiteral("|x")));
        QCOMPARE(notes[0].value(0) + notes[1].value(0), QStringLiteral("No answer from the Corvex, trying again (2 of 5)...").repeated(2));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ERROR!"));
        child<QListWidget>("lsReagents")->setCurrentRow(6);
        retype(child<QLineEdit>("txtReagent"), QStringLiteral("Never sent"));
        QVERIFY(asked(QMessageBox::Ok, [this] { click("cmdSend"); }).startsWith(QStringLiteral("Send reagent|")));
        QVERIFY(m_app->data.reagents == before.reagents && m_app->data.programs == before.programs && storeText() == storeBefore);
        QCOMPARE(child<QLineEdit>("txtReagent")->text(), QStringLiteral("Never sent"));
        QVERIFY(m_window->isEnabled() && button("cmdReadProgram")->isEnabled());
    }

    // Find Device searches while the dialog stays usable (also while connected);
    // Cancel beside it ends the search, and closing as cancelled keeps the port stored before.
    void findDeviceCancelled()
    {
        start();
        setPortDeviceOverride(2, m_app->folders.path() + QStringLiteral("/absent-COM2")); // the instrument moved...
        setPortDeviceOverride(5, m_sim->devicePath()); // ...to COM5
        ModalAnswers answers;
        QStringList states;
        answers.handle([&states](QWidget *dialog) {
            auto *find = dialog->findChild<QPushButton *>(QStringLiteral("cmdFindDevice"));
            auto *ports = dialog->findChild<QComboBox *>(QStringLiteral("cbComm"));
            auto *stopSearch = dialog->findChild<QPushButton *>(QStringLiteral("cmdCancelSearch"));
            QTest::mouseClick(find, Qt::LeftButton);
            states << find->text() + (find->isEnabled() ? QStringLiteral(" enabled") : QString())
                   << QStringLiteral("%1 %2").arg(stopSearch->isEnabled()).arg(ports->isEnabled());
            QTest::mouseClick(stopSearch, Qt::LeftButton);
            static_cast<void>(QTest::qWaitFor([find] { return find->isEnabled(); }));
            states << find->text() << QString::number(ports->currentIndex()) << dialog->findChild<QLabel *>(QStringLiteral("lblFound"))->text();
            dialog->close();
        });
        child<QAction>("mnSettings")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(states, QStringList({"Looking for Device...", "1 1", "Find Device", "1", QString()}));
        QCOMPARE(answers.seen().size(), 1); // no message after the search
        QCOMPARE(readUserSetting(UserSetting::commPort).toInt(), 2);
        QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
    }

    // A read over an edited program asks first: No keeps the edit, Yes reads and the edit is gone.
    void readOverAnUnsentEditAsksFirst()
    {
        start();
        retype(child<QLineEdit>("txtProgramName"), QStringLiteral("Mine"));
        QVERIFY(m_window->isWindowModified());
        QCOMPARE(asked(QMessageBox::No, [this] { click("cmdReadProgram"); }),
                 QStringLiteral("Read from Corvex|Program01 has changes that were not sent to the Corvex. Reading it "
                                "from the Corvex replaces them. Read anyway?|?"));
        QVERIFY(m_window->isEnabled() && child<QLineEdit>("txtProgramName")->text() == QStringLiteral("Mine"));
        asked(QMessageBox::Yes, [this] { click("cmdReadProgram"); });
        waitUntilIdle();
        QCOMPARE(child<QLineEdit>("txtProgramName")->text() + QString::number(m_window->isWindowModified()), QStringLiteral("ROUTINE0"));
    }

    // The cable pulled: the window says so at once; an instrument plugged in
    // later is found and connected without asking.
    void lostPortAndAnInstrumentPluggedInLater()
    {
        start();
        m_sim->stop();
        QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
        QVERIFY(!button("cmdReadProgram")->isEnabled() && !button("cmdSend")->isEnabled());

        setPortDeviceOverride(2, m_app->folders.path() + QStringLiteral("/absent-COM2"));
        SimulatorProcess pluggedIn;
        QVERIFY2(pluggedIn.start({QStringLiteral("--demo")}), qPrintable(pluggedIn.errorString()));
        setPortDeviceOverride(6, pluggedIn.devicePath());
        QTRY_COMPARE_WITH_TIMEOUT(m_window->windowTitle(), QStringLiteral("Varnel Corvex - connected on COM6"), 10'000);
        QVERIFY(readUserSetting(UserSetting::commPort).toInt() == 6 && button("cmdReadAllReagents")->isEnabled());
        m_window.reset(); // closes the port before the simulator goes
    }
    // Back up, compare the store with the backup, open the transfer log, all
    // by keys; then restore, first from a file cut short.
    // A backup onto a store that another utility holds is refused before
    // the instrument is read.
    void backupOntoALockedStoreIsRefused()
    {
        start();
        StoreLock other(backupPath());
        QVERIFY(other.tryLock());
        backUp();
        const QString box = finalBox();
        QVERIFY2(box.contains(QStringLiteral("is in use by another Corvex Utility")), qPrintable(box));
        QVERIFY(!QFile::exists(backupPath()));
    }

    void backUpCompareLogAndRestore()
    {
        const QString memory = m_app->folders.path() + QStringLiteral("/memory.bin");
        QVERIFY(writeBytes(memory, instrumentImage(twelveProgramData())));
        start({QStringLiteral("--memory"), memory}); // the instrument holds other data than the store
        const QString backup = backupPath();
        QVERIFY(tabTo("cmdReadProgram"));
        {
            ModalAnswers answers;
            answers.handle(typeFileName(backup));
            runTransfer([this] { fileMenu(Qt::Key_B); });
        }
        auto *done = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(done);
        QCOMPARE(ModalAnswers::describe(done), QStringLiteral("Back Up Instrument|The Corvex has been backed up to \"%1\" (5,147 bytes read).|i").arg(backup));
        press(Qt::Key_Return);
        InstrumentData read;
        QVERIFY(loadStore(backup, read) && read.programs == twelveProgramData().programs);

        // The local store against the backup, chosen with the arrow keys and typed.
        fileMenu(Qt::Key_C);
        workingIn = m_window->findChild<QWidget *>(QStringLiteral("frmCompare"));
        QVERIFY(workingIn && workingIn->isVisible());
        QVERIFY(tabTo("cbSource0"));
        press(Qt::Key_Down); // the local store
        QVERIFY(tabTo("cbSource1"));
        press(Qt::Key_Down);
        press(Qt::Key_Down); // a file
        QVERIFY(tabTo("txtFile1"));
        typeOver(backup);
        press(Qt::Key_Return); // Compare
        const QString summary = workingIn->findChild<QLabel *>(QStringLiteral("lblSummary"))->text();
        QVERIFY2(summary.endsWith(QStringLiteral("differences.")), qPrintable(summary));
        press(Qt::Key_Escape);
        QVERIFY(!workingIn->isVisible());
        workingIn = nullptr;
        {
            int logLines = 0;
            ModalAnswers answers;
            answers.handle([&logLines](QWidget *dialog) {
                logLines = dialog->findChild<QTableView *>(QStringLiteral("tblLog"))->model()->rowCount();
                press(Qt::Key_Escape);
            });
            fileMenu(Qt::Key_L);
            QVERIFY(answers.allAnswered() && logLines >= 1);
        }
        QCOMPARE(focusName(), QStringLiteral("cmdReadProgram"));

        // A file cut short is refused with its reasons before anything is asked.
        const QString cut = backup + QStringLiteral(".cut");
        QVERIFY(writeBytes(cut, readBytes(backup).left(60'000)));
        const QByteArray storeBefore = readBytes(m_app->storePath);
        QVERIFY(restoreFrom(cut, QMessageBox::Ok).contains(QStringLiteral("is not a complete backup")));
        QCOMPARE(readBytes(m_app->storePath), storeBefore);

        // The store holds other data: the question says how much differs, and Yes restores.
        QVERIFY(restoreFrom(backup, QMessageBox::Yes).contains(QStringLiteral("It differs from the local store")));
        QCOMPARE(finalBox(), QStringLiteral("Restore Instrument|\"%1\" has been restored to the Corvex and saved to the local store.|i").arg(backup));
        QVERIFY(m_app->data.programs == read.programs && m_app->data.reagents == read.reagents);
        const InstrumentData stored = reloadedStore();
        QVERIFY(stored.programs == read.programs && stored.reagents == read.reagents);
    }

    void readAProgramEditAVialAndSendIt()
    {
        start();
        QVERIFY(tabTo("txtReadProgram"));
        press(Qt::Key_Up); // program 2
        QVERIFY(tabTo("cmdReadProgram"));
        runTransfer([] { press(Qt::Key_Space); });
        QCOMPARE(child<QLineEdit>("txtProgramName")->text() + QLatin1Char(' ') + focusName(), QStringLiteral("BIOPSY cmdReadProgram"));
        auto *bar = child<QProgressBar>("pbPrograms"); // an LM program: 78 steps, the bar back at 0
        QCOMPARE(QStringList({child<QLabel>("lblPercent2")->text(), QString::number(bar->maximum()), QString::number(bar->value())}),
                 QStringList({"Program02 read.", "78", "0"}));

        QVERIFY(tabTo("lsVials"));
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        press(Qt::Key_Return); // vial 3 to the editor
        QCOMPARE(focusName(), QStringLiteral("cbReagents"));
        QVERIFY(tabTo("txtHrs"));
        typeOver(QStringLiteral("7"));
        press(Qt::Key_Return); // Ok
        QCOMPARE(m_app->data.programs[2].vial(3).hrs, 7);

        QVERIFY(tabTo("cmdSendProgram"));
        press(Qt::Key_Space);
        QVERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        runTransfer([] { press(Qt::Key_Y); }); // Yes, send
        InstrumentData stored;
        QVERIFY(loadStore(m_app->storePath, stored));
        QCOMPARE(stored.programs[2].vial(3).hrs, 7);
        QCOMPARE(focusName(), QStringLiteral("cmdSendProgram"));
    }

    // The arrow keys walk the list; Enter goes on to the name; the context-menu
    // key (Menu or Shift+F10) copies and pastes.
    void renameAReagentAndPasteIt()
    {
        start();
        press(Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(tabTo("lsReagents"));
        for (int line = 0; line < 4; ++line)
            press(Qt::Key_Down);
        QCOMPARE(focusName() + QLatin1Char(' ') + child<QLineEdit>("txtReagent")->text(), QStringLiteral("lsReagents Reagent 005"));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("txtReagent"));
        typeOver(QStringLiteral("Xylene B"));
        runTransfer([] { press(Qt::Key_S, Qt::AltModifier); });
        QCOMPARE(child<QListWidget>("lsReagents")->item(4)->text() + child<QLabel>("lblPercent")->text(),
                 QStringLiteral("Reagent 005: \"Xylene B     \"Reagent 005 sent."));
        QCOMPARE(focusName(), QStringLiteral("txtReagent"));

        QVERIFY(tabTo("lsReagents"));
        press(Qt::Key_Menu);
        QCOMPARE(QApplication::activePopupWidget(), child("mnReagent"));
        press(Qt::Key_C);
        press(Qt::Key_Down);
        press(Qt::Key_F10, Qt::ShiftModifier);
        runTransfer([] { press(Qt::Key_P); });
        QCOMPARE(m_app->data.reagents[6], stored("Xylene B"));
        QVERIFY2(focused() && focused()->isVisible(), qPrintable(focusName()));
    }

    void printToPdf()
    {
        start();
        const QString pdf = m_app->folders.path() + QStringLiteral("/programs.pdf");
        QPrinter &printer = m_window->findChild<PrintSession *>()->printer();
        printer.setOutputFormat(QPrinter::PdfFormat); // as Print Setup leaves it
        printer.setOutputFileName(pdf);
        ModalAnswers answers;
        answers.handle([](QWidget *) {
            QVERIFY(tabTo("txtProgramID_1"));
            typeOver(QStringLiteral("3"));
            press(Qt::Key_Return);
        });
        fileMenu(Qt::Key_R);
        QVERIFY(answers.allAnswered());
        QVERIFY(readBytes(pdf).startsWith("%PDF"));
        QVERIFY(focused() && focused()->isVisible());
    }

    // Find Device hands the focus to Cancel while it searches, and back; Enter confirms.
    void settingsWithFindDevice()
    {
        start();
        setPortDeviceOverride(2, m_app->folders.path() + QStringLiteral("/absent-COM2"));
        setPortDeviceOverride(5, m_sim->devicePath());
        QVERIFY(tabTo("cmdReadProgram"));
        fileMenu(Qt::Key_S);
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QVERIFY(tabTo("cmdFindDevice"));
        QSignalSpy searched(&m_app->connection, &DeviceConnection::stateChanged);
        press(Qt::Key_Space);
        QCOMPARE(focusName(), QStringLiteral("cmdCancelSearch"));
        while (!m_app->connection.isConnected())
            QVERIFY(searched.wait(20'000));
        QCOMPARE(focusName() + QLatin1Char(' ') + dialog->findChild<QComboBox *>(QStringLiteral("cbComm"))->currentText() + QLatin1Char(' ')
                     + dialog->findChild<QLabel *>(QStringLiteral("lblFound"))->text(),
                 QStringLiteral("cmdFindDevice COM5 The Corvex answers on COM5 (%1).").arg(m_sim->devicePath()));
        QVERIFY(tabTo("cmdOK"));
        press(Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QVERIFY(focused() && focused()->isVisible()); // the transfer buttons wait for the new connection
        QCOMPARE(readUserSetting(UserSetting::commPort).toInt(), 5);
        while (m_window->windowTitle() != QStringLiteral("Varnel Corvex - connected on COM5")) // connected anew
            QVERIFY(searched.wait(20'000));
    }
};

QTEST_MAIN(TestTransfersWindow)
#include "test_transfers_window.moc"
