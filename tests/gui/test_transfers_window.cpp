// Transfers run from the main window's buttons against corvex-sim on a
// pseudo-terminal: connection, program read and send, reagent read, send and
// Read ALL with Stop, a silent instrument, the service console.
#include "editor/ProgramEditor.h"
#include "editor/Progress.h"
#include "model/LocalStore.h"
#include "model/UserSettings.h"

#include "AppFixture.h"
#include "EditorFixture.h"
#include "ModalAnswers.h"
#include "TypeText.h"
#include "support/FileFixtures.h"
#include "support/SimulatorProcess.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

class TestTransfersWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_app;
    std::unique_ptr<SimulatorProcess> m_sim;
    std::unique_ptr<MainWindow> m_window;

    template<typename T>
    T *child(const char *name)
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // The simulator on COM2, the stored data in the store, and the window loaded.
    void start(const QStringList &simulatorOptions = {QStringLiteral("--demo")},
               const InstrumentData &stored = SampleStore())
    {
        m_sim = std::make_unique<SimulatorProcess>();
        QVERIFY2(m_sim->start(simulatorOptions), qPrintable(m_sim->errorString()));
        SetPortDeviceOverride(2, m_sim->devicePath());
        QVERIFY(WriteStore(m_app->storePath, stored));
        m_window = m_app->makeWindow();
        m_window->load();
        m_window->show();
    }

    QByteArray storeText() { return ReadBytes(m_app->storePath); }

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup()
    {
        m_window.reset();
        m_sim.reset();
        m_app.reset();
    }

    void connectsOnThePortFoundBySearching()
    {
        start();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - connected on COM2"));
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toInt(), 2);
        for (const char *name : {"cmdReadProgram", "cmdSendProgram", "cmdReadAllReagents", "cmdReadReagents", "cmdSend"})
            QVERIFY2(button(name)->isEnabled(), name);
    }

    void aStoredPortThatNoLongerAnswers()
    {
        WriteUserSetting(UserSetting::CommPort, 5);
        start();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
        QVERIFY(!button("cmdReadProgram")->isEnabled());
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toInt(), 5);
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
        int moves = 0;
        bool editingLocked = true;
        QStringList percents;
        connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
            if (value == 0)
                return;
            ++moves;
            editingLocked = editingLocked && !child<QLineEdit>("txtProgramName")->isEnabled()
                && !button("cmdReadProgram")->isEnabled();
            // The label still shows the step before this one.
            percents.append(child<QLabel>("lblPercent2")->text());
        });
        child<QLineEdit>("txtReadProgram")->setText(QString::number(program));
        const QByteArray before = storeText();
        click("cmdReadProgram");

        QCOMPARE(moves, steps);
        QCOMPARE(bar->maximum(), steps);
        QVERIFY(editingLocked);
        QCOMPARE(child<QLineEdit>("txtProgramName")->text(), name);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(child<QLabel>("lblPercent2")->text(), QString());
        QVERIFY(button("cmdReadProgram")->isEnabled());
        QVERIFY(child<QLineEdit>("txtProgramName")->isEnabled());
        QCOMPARE(percents.size(), steps);
        QCOMPARE(percents.at(50), PercentText(50, steps));

        InstrumentData reloaded;
        QVERIFY(LoadStore(m_app->storePath, reloaded));
        QCOMPARE(reloaded.programs[program], m_app->data.programs[program]);
        QVERIFY(storeText() != before);
        QCOMPARE(reloaded.programs[program + 10], SampleData().programs[program + 10]);
    }

    void sendProgramAsksFirstAndRoundTrips()
    {
        start();
        ModalAnswers answers;
        child<QLineEdit>("txtReadProgram")->setText(QStringLiteral("5"));
        auto *nameBox = child<QLineEdit>("txtProgramName");
        TypeText(nameBox, QStringLiteral("Sent one"));
        const QByteArray before = storeText();

        answers.click(QMessageBox::No);
        click("cmdSendProgram");
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("Send Program to Corvex"));
        QCOMPARE(answers.seen().at(0).text,
                 QStringLiteral("Program05, which is stored on the Corvex, will be overwritten. Are you sure?"));
        QCOMPARE(answers.seen().at(0).icon, QMessageBox::NoIcon);
        QCOMPARE(storeText(), before);
        QVERIFY(button("cmdSendProgram")->isEnabled());

        answers.click(QMessageBox::Yes);
        click("cmdSendProgram");
        QTRY_VERIFY(answers.allAnswered());
        InstrumentData reloaded;
        QVERIFY(LoadStore(m_app->storePath, reloaded));
        QCOMPARE(reloaded.programs[5].Name, Stored("Sent one"));

        nameBox->selectAll();
        TypeText(nameBox, QStringLiteral("Local only"));
        click("cmdReadProgram");
        QCOMPARE(nameBox->text(), QStringLiteral("Sent one"));
        QVERIFY(answers.unexpected().isEmpty());
    }

    void readOneReagentDoesNotSave()
    {
        start();
        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
        auto *number = child<QLineEdit>("txtRead");
        number->selectAll();
        TypeText(number, QStringLiteral("3"));
        const QByteArray before = storeText();
        click("cmdReadReagents");
        auto *list = child<QListWidget>("lsReagents");
        QCOMPARE(list->item(2)->text(), QStringLiteral("Reagent 003: \"Formalin 4%  \""));
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(child<QLineEdit>("txtReagent")->text(), QStringLiteral("Formalin 4%"));
        QCOMPARE(storeText(), before);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - connected on COM2"));
    }

    void sendReagentSavesTheList()
    {
        start();
        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
        auto *list = child<QListWidget>("lsReagents");
        list->setCurrentRow(4);
        auto *name = child<QLineEdit>("txtReagent");
        name->selectAll();
        TypeText(name, QStringLiteral("Paraffin X"));
        click("cmdSend");
        QCOMPARE(list->item(4)->text(), QStringLiteral("Reagent 005: \"Paraffin X   \""));
        QVERIFY(storeText().contains("R005=Paraffin X   \r\n"));
        QVERIFY(m_window->isEnabled());

        m_app->data.reagents[5] = Stored("changed here");
        auto *number = child<QLineEdit>("txtRead");
        number->selectAll();
        TypeText(number, QStringLiteral("5"));
        click("cmdReadReagents");
        QCOMPARE(m_app->data.reagents[5], Stored("Paraffin X"));
    }

    void readAllWithStop()
    {
        start();
        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
        auto *list = child<QListWidget>("lsReagents");
        auto *readAll = button("cmdReadAllReagents");
        bool stopClicked = false;
        bool stopUsable = false;
        connect(list, &QListWidget::currentRowChanged, this, [&](int row) {
            if (row == 56 && !stopClicked) {
                stopClicked = true;
                stopUsable = readAll->isEnabled() && readAll->text() == QStringLiteral("Stop")
                    && !button("cmdReadReagents")->isEnabled();
                QTest::mouseClick(readAll, Qt::LeftButton);
            }
        });
        click("cmdReadAllReagents");

        QVERIFY(stopClicked);
        QVERIFY(stopUsable);
        QCOMPARE(m_app->data.reagents[24], Stored("Buffer pH7.4"));
        QCOMPARE(m_app->data.reagents[57], QByteArray(13, ' ')); // read: blank on the instrument
        QCOMPARE(m_app->data.reagents[58], Stored("Reagent 058")); // not read any more
        QCOMPARE(list->item(57)->text(), QStringLiteral("Reagent 058: \"Reagent 058  \""));
        QCOMPARE(readAll->text(), QStringLiteral("Read ALL from Corvex"));
        QCOMPARE(child<QProgressBar>("pbReagents")->value(), 1);
        QCOMPARE(child<QLabel>("lblPercent")->text(), QString());
        QVERIFY(button("cmdReadReagents")->isEnabled());

        InstrumentData reloaded;
        QVERIFY(LoadStore(m_app->storePath, reloaded));
        QVERIFY(reloaded.reagents == m_app->data.reagents);
    }

    void closingDuringReadAllStopsItFirst()
    {
        start();
        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
        QSignalSpy closed(m_window.get(), &MainWindow::closed);
        bool closeAsked = false;
        connect(child<QListWidget>("lsReagents"), &QListWidget::currentRowChanged, this, [&](int row) {
            if (row == 9 && !closeAsked) {
                closeAsked = true;
                m_window->close();
                QVERIFY(!m_window->isVisible());
                QCOMPARE(closed.count(), 0); // not before the transfer has unwound
            }
        });
        click("cmdReadAllReagents");
        QVERIFY(closeAsked);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(m_app->data.reagents[10], Stored("Isopropanol"));
        QCOMPARE(m_app->data.reagents[11], Stored("Reagent 011"));
        QVERIFY(!m_app->port.isOpen());
        InstrumentData reloaded;
        QVERIFY(LoadStore(m_app->storePath, reloaded));
        QCOMPARE(reloaded.reagents[10], Stored("Isopropanol"));
    }

    void readAllToTheEnd()
    {
        start();
        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
        QStringList percents;
        auto *bar = child<QProgressBar>("pbReagents");
        connect(bar, &QProgressBar::valueChanged, this, [&] { percents.append(child<QLabel>("lblPercent")->text()); });
        click("cmdReadAllReagents");
        QCOMPARE(m_app->data.reagents[1], Stored("(empty)"));
        QCOMPARE(m_app->data.reagents[200], QByteArray(13, ' '));
        QVERIFY(percents.contains(QStringLiteral("100%")));
        InstrumentData reloaded;
        QVERIFY(LoadStore(m_app->storePath, reloaded));
        QVERIFY(reloaded.reagents == m_app->data.reagents);
    }

    void aSilentInstrumentLosesNothing()
    {
        start({QStringLiteral("--demo"), QStringLiteral("--silent-after"), QStringLiteral("1")});
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - connected on COM2"));
        const InstrumentData before = m_app->data;
        const QByteArray storeBefore = storeText();
        ModalAnswers answers;

        answers.click(QMessageBox::Ok);
        click("cmdReadProgram");
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("Read from Corvex"));
        QCOMPARE(answers.seen().at(0).icon, QMessageBox::Critical);
        QVERIFY(m_app->data.programs == before.programs);
        QCOMPARE(storeText(), storeBefore);
        QVERIFY(button("cmdReadProgram")->isEnabled());
        QCOMPARE(child<QProgressBar>("pbPrograms")->value(), 0);

        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
        answers.click(QMessageBox::Ok);
        click("cmdReadReagents");
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ERROR!"));
        QVERIFY(m_app->data.reagents == before.reagents);

        child<QListWidget>("lsReagents")->setCurrentRow(6);
        auto *name = child<QLineEdit>("txtReagent");
        name->selectAll();
        TypeText(name, QStringLiteral("Never sent"));
        answers.click(QMessageBox::Ok);
        click("cmdSend");
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().last().title, QStringLiteral("Send reagent"));
        QVERIFY(m_app->data.reagents == before.reagents);
        QCOMPARE(name->text(), QStringLiteral("Never sent"));
        QCOMPARE(storeText(), storeBefore);
        QVERIFY(m_window->isEnabled());
        QVERIFY(answers.unexpected().isEmpty());
    }

    void serviceConsole()
    {
        start();
        ModalAnswers answers;
        answers.enterText(QStringLiteral("F1"));
        answers.click(QMessageBox::Ok);
        auto *tabs = child<QTabWidget>("SSTab1");
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(1).title, QStringLiteral("CORVEX"));
        QCOMPARE(answers.seen().at(1).icon, QMessageBox::NoIcon);
        QVERIFY(answers.seen().at(1).text.startsWith(QStringLiteral("Response: ?1F1")));
        QVERIFY(answers.seen().at(1).text.endsWith(QStringLiteral("4178-305")));

        answers.enterText(QString()); // cancelled: nothing sent, no response
        QTest::keyClick(tabs->tabBar(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(answers.allAnswered());
        QTest::qWait(20);
        QCOMPARE(answers.seen().size(), 3);
    }

    void findDeviceSelectsThePortFound()
    {
        start();
        SetPortDeviceOverride(2, QString());
        SetPortDeviceOverride(5, m_sim->devicePath());
        ModalAnswers answers;
        int selected = -1;
        answers.handle([&](QWidget *dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindDevice")), Qt::LeftButton);
            selected = dialog->findChild<QComboBox *>(QStringLiteral("cbComm"))->currentIndex();
            dialog->close();
        });
        child<QAction>("mnSettings")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(selected, 4);
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toInt(), 5);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - connected on COM5"));
    }
};

QTEST_MAIN(TestTransfersWindow)
#include "test_transfers_window.moc"
