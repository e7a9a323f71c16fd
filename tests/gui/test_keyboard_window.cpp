// The main window's workflows with key events only, against corvex-sim on a
// pseudo-terminal: Tab and the arrow keys to reach a control, Space and Enter
// to press it, the menus by their letters, Escape to close a dialog. After
// each step the focus is on a visible control where the user left it.
#include "PrintSession.h"
#include "UserSettings.h"

#include "support/FileFixtures.h"
#include "support/ModalAnswers.h"
#include "support/SimulatorProcess.h"
#include "support/WidgetHelpers.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QProgressBar>
#include <QTableView>

using namespace corvex;

namespace {

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

class TestKeyboardWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_app;
    std::unique_ptr<SimulatorProcess> m_sim;
    std::unique_ptr<MainWindow> m_window;

    template<typename T = QWidget>
    T *child(const char *name) { return corvex::child<T>(m_window.get(), name); }

    // The simulator on COM2, sampleData in the store, the window loaded.
    void start()
    {
        m_sim = std::make_unique<SimulatorProcess>();
        QVERIFY2(m_sim->start({QStringLiteral("--demo")}), qPrintable(m_sim->errorString()));
        setPortDeviceOverride(2, m_sim->devicePath());
        QVERIFY(writeBackupFile(m_app->storePath, sampleData(), {}));
        m_window = m_app->loadWindow();
        mainWindow = m_window.get();
        m_app->link.setTickInterval(std::chrono::milliseconds(50));
        QVERIFY(m_app->connection.isConnected());
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
        QCOMPARE(focusName() + QLatin1Char(' ') + dialog->findChild<QComboBox *>(QStringLiteral("cbComm"))->currentText(),
                 QStringLiteral("cmdFindDevice COM5"));
        QVERIFY(tabTo("cmdOK"));
        press(Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QVERIFY(focused() && focused()->isVisible()); // the transfer buttons wait for the new connection
        QCOMPARE(readUserSetting(UserSetting::commPort).toInt(), 5);
    }

    void backUpCompareAndOpenTheTransferLog()
    {
        start();
        const QString backup = m_app->folders.path() + QStringLiteral("/backup.ini");
        QVERIFY(tabTo("cmdReadProgram"));
        {
            ModalAnswers answers;
            answers.handle(typeFileName(backup));
            runTransfer([this] { fileMenu(Qt::Key_B); });
        }
        auto *done = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(done && done->text().startsWith(QStringLiteral("The Corvex has been backed up")));
        press(Qt::Key_Return);

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
        press(Qt::Key_Escape);
        QVERIFY(!workingIn->isVisible());
        workingIn = nullptr;

        int logLines = 0;
        ModalAnswers answers;
        answers.handle([&logLines](QWidget *dialog) {
            logLines = dialog->findChild<QTableView *>(QStringLiteral("tblLog"))->model()->rowCount();
            press(Qt::Key_Escape);
        });
        fileMenu(Qt::Key_L);
        QVERIFY(answers.allAnswered());
        QVERIFY2(summary.endsWith(QStringLiteral("differences.")), qPrintable(summary));
        QVERIFY(logLines >= 1);
        QCOMPARE(focusName(), QStringLiteral("cmdReadProgram"));
    }
};

QTEST_MAIN(TestKeyboardWindow)
#include "test_keyboard_window.moc"
