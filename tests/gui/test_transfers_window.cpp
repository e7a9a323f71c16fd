// Transfers run from the main window's buttons against corvex-sim on a
// pseudo-terminal: connection, program read and send, reagent read, send and
// Read ALL with Stop, a silent instrument, the service console.
#include "editor/Progress.h"
#include "model/UserSettings.h"

#include "support/FileFixtures.h"
#include "support/ModalAnswers.h"
#include "support/SimulatorProcess.h"
#include "support/WidgetHelpers.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

class TestTransfersWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_app;
    std::unique_ptr<SimulatorProcess> m_sim;
    std::unique_ptr<MainWindow> m_window;

    template<typename T = QWidget>
    T *child(const char *name) { return Child<T>(m_window.get(), name); }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    void click(const char *name) { Click(button(name)); }
    QByteArray storeText() { return ReadBytes(m_app->storePath); }
    InstrumentData reloadedStore()
    {
        InstrumentData reloaded;
        [&] { QVERIFY(LoadStore(m_app->storePath, reloaded)); }();
        return reloaded;
    }
    void showReagents() { child<QTabWidget>("SSTab1")->setCurrentIndex(1); }

    // The simulator on COM2, SampleData in the store, and the window loaded,
    // which finds the instrument by searching all ports.
    void start(const QStringList &simulatorOptions = {QStringLiteral("--demo")})
    {
        m_sim = std::make_unique<SimulatorProcess>();
        QVERIFY2(m_sim->start(simulatorOptions), qPrintable(m_sim->errorString()));
        SetPortDeviceOverride(2, m_sim->devicePath());
        QVERIFY(WriteStore(m_app->storePath, SampleData()));
        m_window = m_app->loadWindow();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - connected on COM2"));
        for (const char *name : {"cmdReadProgram", "cmdSendProgram", "cmdReadAllReagents", "cmdReadReagents", "cmdSend"})
            QVERIFY2(button(name)->isEnabled(), name);
    }

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup()
    {
        m_window.reset();
        m_sim.reset();
        m_app.reset();
    }

    void readProgram_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("steps");
        QTest::newRow("EM program") << 1 << "ROUTINE" << 138;
        QTest::newRow("LM program") << 2 << "BIOPSY" << 78;
    }
    void readProgram()
    {
        QFETCH(int, program);
        QFETCH(QString, name);
        QFETCH(int, steps);
        start();
        auto *bar = child<QProgressBar>("pbPrograms");
        bool editingLocked = true;
        QStringList percents;
        connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
            if (value == 0)
                return;
            editingLocked = editingLocked && !child("txtProgramName")->isEnabled() && !button("cmdReadProgram")->isEnabled();
            percents.append(child<QLabel>("lblPercent2")->text()); // still the step before this one
        });
        child<QLineEdit>("txtReadProgram")->setText(QString::number(program));
        click("cmdReadProgram");

        QCOMPARE(percents.size(), steps);
        QCOMPARE(bar->maximum(), steps);
        QCOMPARE(percents.at(50), PercentText(50, steps));
        QVERIFY(editingLocked);
        QCOMPARE(child<QLineEdit>("txtProgramName")->text(), name);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(child<QLabel>("lblPercent2")->text(), QString());
        QVERIFY(button("cmdReadProgram")->isEnabled() && child("txtProgramName")->isEnabled());
        QCOMPARE(reloadedStore().programs[program], m_app->data.programs[program]);
    }

    void sendProgramAsksFirstAndRoundTrips()
    {
        start();
        child<QLineEdit>("txtReadProgram")->setText(QStringLiteral("5"));
        auto *nameBox = child<QLineEdit>("txtProgramName");
        TypeText(nameBox, QStringLiteral("Sent one"));
        const QByteArray before = storeText();
        QCOMPARE(Asked(QMessageBox::No, [this] { click("cmdSendProgram"); }),
                 QStringLiteral("Send Program to Corvex|Program05, which is stored on the Corvex, will be overwritten. "
                                "Are you sure?|"));
        QCOMPARE(storeText(), before);
        QVERIFY(button("cmdSendProgram")->isEnabled());

        Asked(QMessageBox::Yes, [this] { click("cmdSendProgram"); });
        QCOMPARE(reloadedStore().programs[5].Name, Stored("Sent one"));
    }

    void readAndSendOneReagent()
    {
        start();
        showReagents();
        Retype(child<QLineEdit>("txtRead"), QStringLiteral("3"));
        const QByteArray before = storeText();
        click("cmdReadReagents");
        auto *list = child<QListWidget>("lsReagents");
        QCOMPARE(list->item(2)->text(), QStringLiteral("Reagent 003: \"Formalin 4%  \""));
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(child<QLineEdit>("txtReagent")->text(), QStringLiteral("Formalin 4%"));
        QCOMPARE(storeText(), before); // reading one reagent saves nothing

        list->setCurrentRow(4);
        Retype(child<QLineEdit>("txtReagent"), QStringLiteral("Paraffin X"));
        click("cmdSend");
        QCOMPARE(list->item(4)->text(), QStringLiteral("Reagent 005: \"Paraffin X   \""));
        QVERIFY(storeText().contains("R005=Paraffin X   \r\n"));
        QVERIFY(m_window->isEnabled());
    }

    void readAllWithStop()
    {
        start();
        showReagents();
        auto *list = child<QListWidget>("lsReagents");
        auto *readAll = button("cmdReadAllReagents");
        QString whileRunning;
        connect(list, &QListWidget::currentRowChanged, this, [&](int row) {
            if (row != 56 || !whileRunning.isEmpty())
                return; // reagent 57 has been read; the bar still shows reagent 56
            whileRunning = QStringLiteral("%1 %2, read %3, %4 %5")
                               .arg(readAll->text(), readAll->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("locked"),
                                    button("cmdReadReagents")->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("locked"))
                               .arg(child<QProgressBar>("pbReagents")->value())
                               .arg(child<QLabel>("lblPercent")->text());
            Click(readAll);
        });
        click("cmdReadAllReagents");

        QCOMPARE(whileRunning, QStringLiteral("Stop enabled, read locked, 56 28%"));
        QCOMPARE(m_app->data.reagents[24], Stored("Buffer pH7.4"));
        QCOMPARE(m_app->data.reagents[57], QByteArray(13, ' ')); // read: blank on the instrument
        QCOMPARE(m_app->data.reagents[58], Stored("Reagent 058")); // not read any more
        QCOMPARE(list->item(57)->text(), QStringLiteral("Reagent 058: \"Reagent 058  \""));
        QCOMPARE(readAll->text(), QStringLiteral("Read ALL from Corvex"));
        QCOMPARE(child<QProgressBar>("pbReagents")->value(), 1);
        QCOMPARE(child<QLabel>("lblPercent")->text(), QString());
        QVERIFY(button("cmdReadReagents")->isEnabled());
        QVERIFY(reloadedStore().reagents == m_app->data.reagents);
    }

    void closingDuringReadAllStopsItFirst()
    {
        start();
        showReagents();
        QSignalSpy closed(m_window.get(), &MainWindow::closed);
        int closedWhenAsked = -1;
        connect(child<QListWidget>("lsReagents"), &QListWidget::currentRowChanged, this, [&](int row) {
            if (row == 9 && closedWhenAsked < 0) {
                m_window->close();
                closedWhenAsked = closed.count() + (m_window->isVisible() ? 10 : 0);
            }
        });
        click("cmdReadAllReagents");
        QCOMPARE(closedWhenAsked, 0); // hidden at once, closed only once the transfer has unwound
        QCOMPARE(closed.count(), 1);
        QCOMPARE(m_app->data.reagents[10], Stored("Isopropanol"));
        QCOMPARE(m_app->data.reagents[11], Stored("Reagent 011"));
        QVERIFY(!m_app->port.isOpen());
        QCOMPARE(reloadedStore().reagents[10], Stored("Isopropanol"));
    }

    void aSilentInstrumentLosesNothing()
    {
        start({QStringLiteral("--demo"), QStringLiteral("--silent-after"), QStringLiteral("1")});
        const InstrumentData before = m_app->data;
        const QByteArray storeBefore = storeText();
        const QString readFailure = Asked(QMessageBox::Ok, [this] { click("cmdReadProgram"); });
        QVERIFY(readFailure.startsWith(QStringLiteral("Read from Corvex|")) && readFailure.endsWith(QStringLiteral("|x")));
        QVERIFY(m_app->data.programs == before.programs);
        QVERIFY(button("cmdReadProgram")->isEnabled());
        QCOMPARE(child<QProgressBar>("pbPrograms")->value(), 0);

        showReagents();
        QVERIFY(Asked(QMessageBox::Ok, [this] { click("cmdReadReagents"); }).endsWith(QStringLiteral("|x")));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ERROR!"));

        child<QListWidget>("lsReagents")->setCurrentRow(6);
        Retype(child<QLineEdit>("txtReagent"), QStringLiteral("Never sent"));
        QVERIFY(Asked(QMessageBox::Ok, [this] { click("cmdSend"); }).startsWith(QStringLiteral("Send reagent|")));
        QVERIFY(m_app->data.reagents == before.reagents);
        QCOMPARE(child<QLineEdit>("txtReagent")->text(), QStringLiteral("Never sent"));
        QCOMPARE(storeText(), storeBefore);
        QVERIFY(m_window->isEnabled());
    }

    void serviceConsole()
    {
        start();
        ModalAnswers answers;
        QTabBar *tabBar = child<QTabWidget>("SSTab1")->tabBar();
        const auto console = [&answers, tabBar](const QString &command) {
            answers.enterText(command);
            if (!command.isEmpty())
                answers.click(QMessageBox::Ok);
            tabBar->setFocus();
            QTest::keyClick(tabBar, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            return QTest::qWaitFor([&answers] { return answers.allAnswered(); });
        };
        QVERIFY(console(QStringLiteral("F1")));
        QCOMPARE(answers.seen().first(), QStringLiteral("Input Service Command|Command?|input"));
        QVERIFY(answers.seen().at(1).startsWith(QStringLiteral("CORVEX|Response: ?1F1")));
        QVERIFY(answers.seen().at(1).endsWith(QStringLiteral("4178-305|")));
        QVERIFY(console(QString())); // cancelled: nothing sent, no response
        QCOMPARE(answers.seen().size(), 3);

        // Other keys or shift states do nothing, nor does the key typed into a control on a tab.
        ModalAnswers unexpected;
        unexpected.enterText(QString());
        QTest::keyClick(tabBar, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        QTest::keyClick(tabBar, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(child("txtProgramName"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::qWait(30);
        QCOMPARE(unexpected.seen(), QStringList());

        m_app->connection.ClosePort(); // no instrument: said so, nothing sent
        QVERIFY(console(QStringLiteral("F1")));
        QCOMPARE(answers.seen().last(), QStringLiteral("CORVEX|The Corvex is not connected: the command was not sent.|!"));
    }

    void findDevice()
    {
        start();
        SetPortDeviceOverride(2, QString());
        SetPortDeviceOverride(5, m_sim->devicePath()); // the instrument moved to COM5
        ModalAnswers answers;
        QStringList states;
        const auto find = [&states](QWidget *dialog) {
            // While it searches, nothing starts another search or closes the dialog.
            QTimer::singleShot(0, dialog, [&states, dialog] {
                for (auto *control : dialog->findChildren<QPushButton *>())
                    states.append(control->text() + (control->isEnabled() ? QStringLiteral(" enabled") : QString()));
                dialog->close();
            });
            Click(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindDevice")));
            states << (dialog->isVisible() ? QStringLiteral("still open") : QStringLiteral("closed"))
                   << dialog->findChild<QPushButton *>(QStringLiteral("cmdFindDevice"))->text()
                   << QString::number(dialog->findChild<QComboBox *>(QStringLiteral("cbComm"))->currentIndex());
            dialog->close();
        };
        answers.handle(find);
        child<QAction>("mnSettings")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(states, QStringList({"Looking for Device...", "OK", "Cancel", "still open", "Find Device", "4"}));
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toInt(), 5);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - connected on COM5"));

        SetPortDeviceOverride(5, QString()); // and now it is gone
        answers.handle(find);
        answers.click(QMessageBox::Ok);
        child<QAction>("mnSettings")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().last(), QStringLiteral("Find Device|Device couldn't be found.|x"));
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toString(), QStringLiteral("0"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
    }
};

QTEST_MAIN(TestTransfersWindow)
#include "test_transfers_window.moc"
