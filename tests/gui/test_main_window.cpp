// The main window as a whole: start-up with and without a store and
// settings, its place on the screen, shutdown, the menus and their dialogs.
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "link/dialog/SettingsDialog.h"
#include "model/Cp1252.h"
#include "model/Duration.h"
#include "model/FitName.h"
#include "model/UserSettings.h"
#include "ui/RequirementsWindow.h"
#include "ui/LoadWindow.h"
#include "ui/StartupNotice.h"
#include "ui/Twips.h"

#include "support/FileFixtures.h"
#include "support/ModalAnswers.h"
#include "support/WidgetHelpers.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>

namespace {

QStringList VisibleWindowsBut(const QWidget *except)
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget != except)
            names.append(widget->objectName());
    }
    return names;
}

QRect ScreenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_app;
    std::unique_ptr<MainWindow> m_window;

    template<typename T = QWidget>
    T *child(const char *name) { return Child<T>(m_window.get(), name); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void load() { m_window = m_app->loadWindow(); }
    void store(const InstrumentData &data) { QVERIFY(WriteStore(m_app->storePath, data)); }
    void setProgram(int n) { child<QLineEdit>("txtReadProgram")->setText(QString::number(n)); }
    // Arms `answers`, runs the menu entry and waits until every answer is given.
    void run(ModalAnswers &answers, const char *action)
    {
        trigger(action);
        QTRY_VERIFY(answers.allAnswered());
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
            visibleDuringNotice = VisibleWindowsBut(notice);
            qobject_cast<QMessageBox *>(notice)->button(QMessageBox::Ok)->click();
        });
        Startup startup(m_app->parts());
        QSignalSpy shown(&startup, &Startup::shown);
        startup.start();
        QVERIFY(shown.count() == 1 || shown.wait(20'000));
        m_window = startup.takeWindow();
        QCOMPARE(answers.seen(), QStringList{QStringLiteral("Varnel Corvex|") + StartupNoticeText() + QStringLiteral("|!")});
        QCOMPARE(visibleDuringNotice, QStringList()); // nothing of the utility before the notice is confirmed
        QVERIFY(m_window->isVisible());
        QCOMPARE(VisibleWindowsBut(m_window.get()), QStringList()); // the start-up window is gone

        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
        for (const char *name : {"cmdReadProgram", "cmdSendProgram", "cmdReadAllReagents", "cmdReadReagents", "cmdSend"})
            QVERIFY2(!child(name)->isEnabled(), name);
        QCOMPARE(child<QGroupBox>("frameProgram")->title(), QStringLiteral("Program 01"));
        QCOMPARE(child<QListWidget>("lsVials")->count(), 24);
        QCOMPARE(child<QListWidget>("lsReagents")->currentRow(), 0);
        QVERIFY(!QFile::exists(m_app->storePath)); // nothing is written until a transfer

        const QRect frame = m_window->frameGeometry();
        const int frameWidth = frame.width() - m_window->width();
        QVERIFY((frame.center() - ScreenArea().center()).manhattanLength() <= 2 * frameWidth);
    }

    void startUpWithStore()
    {
        const InstrumentData stored = FullSampleData();
        store(stored);
        load();
        QVERIFY(m_app->data.reagents == stored.reagents);
        // Showing program 1 the first time selects its type, which recomputes
        // its total time in memory; nothing else changes.
        ProgramRecord first = stored.programs[1];
        RecalculateDuration(first);
        QCOMPARE(m_app->data.programs[1], first);
        for (int p = 2; p <= ProgramCount; ++p)
            QCOMPARE(m_app->data.programs[p], stored.programs[p]);
        QCOMPARE(child<QLineEdit>("txtProgramName")->text(), DecodeCp1252(nameForDisplay(stored.programs[1].Name)));
        QCOMPARE(child<QListWidget>("lsReagents")->item(199)->text(),
                 QStringLiteral("Reagent 200: \"") + DecodeCp1252(stored.reagents[200]) + QLatin1Char('"'));
    }

    void unreadableStoreIsReported()
    {
        QVERIFY(QDir().mkpath(m_app->storePath)); // a folder where the file should be
        ModalAnswers answers;
        answers.click(QMessageBox::Ok);
        load();
        QTRY_VERIFY(answers.allAnswered());
        QVERIFY(answers.seen().at(0).startsWith(QStringLiteral("Varnel Corvex|")));
        QVERIFY(answers.seen().at(0).endsWith(QStringLiteral("|!")));
        QCOMPARE(child<QListWidget>("lsReagents")->count(), 200);
    }

    void loadingMovesTheStartUpBarInFiveSteps()
    {
        m_window = std::make_unique<MainWindow>(m_app->parts());
        QStringList steps;
        connect(m_window.get(), &MainWindow::loadStepDone, this, [&] {
            steps.append(QStringLiteral("%1/%2/%3/%4")
                             .arg(child<QComboBox>("cbAgit")->count())
                             .arg(child<QListWidget>("lsReagents")->count())
                             .arg(child<QComboBox>("cbType")->count())
                             .arg(child<QListWidget>("lsVials")->count()));
        });
        QSignalSpy loaded(m_window.get(), &MainWindow::loaded);
        m_window->load();
        QVERIFY(loaded.wait(20'000));
        QCOMPARE(steps, QStringList({"0/0/0/0", "6/0/0/0", "6/200/0/0", "6/200/2/0", "6/200/2/24"}));
    }

    void smallWindowsShowTheirWholeTexts()
    {
        LoadWindow loading;
        auto *label = Child<QLabel>(&loading, "Label1");
        const QRect text = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(), label->alignment(),
                                                        true, label->text());
        QVERIFY(label->contentsRect().contains(text));
        QVERIFY(!text.translated(label->pos()).intersects(Child<QWidget>(&loading, "pbLoad")->geometry()));

        // The settings dialog keeps its width, whatever its changing texts say.
        for (int port = FirstPort; port <= LastPort; ++port)
            SetPortDeviceOverride(port, port < LastPort ? QStringLiteral("/dev/n") : QStringLiteral("/dev/serial/by-id/usb-0"));
        SettingsDialog settings(m_app->connection);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        const int width = settings.width();
        auto *find = Child<QPushButton>(&settings, "cmdFindDevice");
        auto *device = Child<QLabel>(&settings, "lblDevice");
        const QString caption = find->text();
        find->setText(QStringLiteral("Looking for Device..."));
        Child<QComboBox>(&settings, "cbComm")->setCurrentIndex(LastPort - 1);
        QTest::qWait(10); // the layouts take the texts in
        QVERIFY(find->width() >= find->sizeHint().width());
        QVERIFY(device->width() >= device->sizeHint().width());
        find->setText(caption);
        QTest::qWait(10);
        QCOMPARE(settings.width(), width);
    }

    void placement_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as stored") << "1500" << "750" << "stored";
        QTest::newRow("above the screen") << "-5000" << "0" << "top";
        QTest::newRow("beyond the bottom right") << "999999" << "999999" << "bottom right";
        QTest::newRow("unreadable values") << "abc" << "" << "centre";
    }
    void placement()
    {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QString, expected);
        WriteUserSetting(UserSetting::MainTop, top);
        WriteUserSetting(UserSetting::MainLeft, left);
        load();
        const QRect screen = ScreenArea();
        QTRY_VERIFY(screen.contains(m_window->frameGeometry()));
        const QRect frame = m_window->frameGeometry();
        // The window is placed before it has a frame, whose few pixels the placement cannot know yet.
        const int frameWidth = frame.width() - m_window->width();
        if (expected == QStringLiteral("stored"))
            QCOMPARE(frame.topLeft(), QPoint(twipsToPixels(750, m_window->logicalDpiX()), twipsToPixels(1500, m_window->logicalDpiY())));
        else if (expected == QStringLiteral("top"))
            QCOMPARE(frame.topLeft(), screen.topLeft());
        else if (expected == QStringLiteral("bottom right"))
            QVERIFY((frame.bottomRight() - screen.bottomRight()).manhattanLength() <= 2 * frameWidth);
        else
            QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= frameWidth);
    }

    void fitFormToScreen()
    {
        const QRect screen(0, 0, 800, 600);
        const QList<QRect> fitted = {FitFormToScreen({10, 20, 300, 200}, screen), FitFormToScreen({50, 60, 1000, 900}, screen),
                                     FitFormToScreen({10, -400, 300, 200}, screen), FitFormToScreen({700, 20, 300, 200}, screen),
                                     FitFormToScreen({10, 590, 300, 200}, screen)};
        QCOMPARE(fitted, QList<QRect>({{10, 20, 300, 200}, {0, 0, 800, 600}, {10, 0, 300, 200}, {500, 20, 300, 200},
                                       {10, 400, 300, 200}}));
    }

    void shutdownSavesThePositionOnlyInNormalState_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("normal, by Exit") << false;
        QTest::newRow("maximised, by the close box") << true;
    }
    void shutdownSavesThePositionOnlyInNormalState()
    {
        QFETCH(bool, maximised);
        WriteUserSetting(UserSetting::MainTop, QStringLiteral("111"));
        WriteUserSetting(UserSetting::MainLeft, QStringLiteral("222"));
        load();
        QSignalSpy closed(m_window.get(), &MainWindow::closed);
        m_window->move(120, 80);
        QTRY_COMPARE(m_window->pos(), QPoint(120, 80));
        if (maximised) {
            m_window->showMaximized();
            QTRY_VERIFY(m_window->isMaximized());
            m_window->close();
        } else {
            trigger("mnExit");
        }
        QCOMPARE(closed.count(), 1);
        QVERIFY(!m_window->isVisible());
        const QString top = maximised ? QStringLiteral("111") : QString::number(float(pixelsToTwips(80, m_window->logicalDpiY())));
        const QString left = maximised ? QStringLiteral("222") : QString::number(float(pixelsToTwips(120, m_window->logicalDpiX())));
        QCOMPARE(ReadUserSetting(UserSetting::MainTop).toString(), top);
        QCOMPARE(ReadUserSetting(UserSetting::MainLeft).toString(), left);
    }

    void menus()
    {
        load();
        QStringList captions;
        QList<QMenu *> menus;
        for (QAction *entry : m_window->menuBar()->actions())
            menus.append(entry->menu());
        menus << child<QMenu>("mnVial") << child<QMenu>("mnReagent"); // the pop-up menus
        for (QMenu *menu : menus) {
            captions.append(menu->objectName() + QLatin1Char('=') + menu->title());
            for (QAction *entry : menu->actions())
                captions.append(entry->isSeparator() ? QStringLiteral("-") : entry->objectName() + QLatin1Char('=') + entry->text());
        }
        QCOMPARE(captions, QStringList({"mnFile=&File", "mnImport=&Import Program...", "mnExport=Export &Program...",
                                        "-", "mnPrint=P&rint...", "-", "mnBackup=&Back Up Instrument...",
                                        "mnRestore=Res&tore Instrument...", "mnCompare=&Compare...",
                                        "mnTransferLog=Transfer &Log...", "-", "mnSettings=&Settings...", "-", "mnExit=&Exit",
                                        "mnHelp=&Help", "mnRequirements=System Requirements...", "-", "mnAbout=&About...",
                                        "mnVial=VialPopup", "mnCopy=&Copy", "mnPaste=&Paste", "mnDelete=&Delete",
                                        "mnReagent=ReagentPopup", "mnReagentCopy=&Copy", "mnReagentPaste=&Paste",
                                        "mnReagentDelete=&Delete"}));
        auto *tabs = child<QTabWidget>("SSTab1");
        QCOMPARE(tabs->tabText(0) + QLatin1Char('/') + tabs->tabText(1), QStringLiteral("Programs/Reagents"));
    }

    void returningToProgramsTakesOverRenamedReagents()
    {
        store(SampleData());
        load();
        auto *tabs = child<QTabWidget>("SSTab1");
        auto *vials = child<QListWidget>("lsVials");
        setProgram(3);
        vials->setCurrentRow(4);
        tabs->setCurrentIndex(1);
        m_app->data.reagents[6] = Stored("Renamed six"); // as a send on this tab leaves it
        QVERIFY(child<QComboBox>("cbReagents")->itemText(5).endsWith(QStringLiteral("Reagent 006  ")));
        tabs->setCurrentIndex(0);
        QCOMPARE(child<QComboBox>("cbReagents")->itemText(5), QStringLiteral("006: Renamed six  "));
        QCOMPARE(vials->currentRow(), 4);
        QVERIFY(vials->item(4)->text().startsWith(QStringLiteral("Vial 05: Renamed six   AG5")));
        QCOMPARE(child<QComboBox>("cbReagents")->currentIndex(), 5);
    }

    void requirementsWindowOpenedTwiceAndAboutBox()
    {
        load();
        ModalAnswers answers;
        QStringList texts;
        const auto readAndClose = [&texts](QWidget *window) {
            texts.append(window->findChild<QPlainTextEdit *>(QStringLiteral("txt"))->toPlainText());
            window->close();
        };
        answers.handle(readAndClose);
        run(answers, "mnRequirements");
        answers.handle(readAndClose);
        run(answers, "mnRequirements");
        QString expected = RequirementsWindow::RequirementsText();
        QCOMPARE(texts, QStringList(2, expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
        QVERIFY(expected.startsWith(QStringLiteral("Minimum Requirements:\n - Intel 80486 CPU\n")));
        QVERIFY(expected.endsWith(QStringLiteral("XP\n\nSerial Port (COM) is required for connection.")));

        answers.click(QMessageBox::Ok);
        run(answers, "mnAbout");
        const QStringList about = answers.seen().last().split(QLatin1Char('|'));
        QCOMPARE(answers.seen().first(), QStringLiteral("System Requirements|RequirementsWindow"));
        QCOMPARE(about.first(), QStringLiteral("Varnel Corvex Utility"));
        QCOMPARE(about.last(), QStringLiteral("i"));
        const QStringList lines = about.at(1).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4); // name and version, legal notice, one empty line, comments
        QCOMPARE(lines.at(0), QStringLiteral("Varnel Corvex Utility Version 2.0.2"));
        QVERIFY(!lines.at(1).isEmpty() && lines.at(2).isEmpty() && !lines.at(3).isEmpty());
    }

    void exportThenImportIntoAnotherProgram()
    {
        store(SampleData());
        load();
        const QString file = m_app->folders.path() + QStringLiteral("/biopsy.txt");
        QVERIFY(WriteBytes(file, "[Other]\r\nKey=1\r\n"));
        ModalAnswers answers;
        setProgram(7);
        answers.chooseFile(file);
        answers.click(QMessageBox::No); // the dialog's own question about the existing file
        answers.chooseFile(QString());  // then cancelled
        run(answers, "mnExport");
        QCOMPARE(ReadBytes(file), QByteArray("[Other]\r\nKey=1\r\n"));
        answers.chooseFile(file);
        answers.click(QMessageBox::Yes);
        answers.click(QMessageBox::Ok);
        run(answers, "mnExport");
        QVERIFY(ReadBytes(file).startsWith("[Program]\r\nName=Biopsy       \r\n"));
        QVERIFY(!ReadBytes(file).contains("[Other]"));

        const QByteArray storeBefore = ReadBytes(m_app->storePath);
        m_app->data.programs[12].Name = Stored("Old twelve");
        setProgram(12);
        answers.chooseFile(file);
        answers.click(QMessageBox::No);
        run(answers, "mnImport");
        QCOMPARE(m_app->data.programs[12].Name, Stored("Old twelve"));
        answers.chooseFile(file);
        answers.click(QMessageBox::Yes);
        run(answers, "mnImport");
        QCOMPARE(answers.seen().mid(5, 3),
                 QStringList({"Export Program|Program07 (\"Biopsy\") has been saved.|i",
                              "Import Program File...|Text (*.txt)|file",
                              "Import File|Program12 (\"Old twelve\") will be overwritten. Are you sure?\r\n\r\nPlease "
                              "note: If you import a program file from another person, make sure you have the same "
                              "reagent list.\r\nOtherwise the Reagent designations of the imported Program may be "
                              "wrong or exchanged.|?"}));
        QCOMPARE(answers.seen().first(), QStringLiteral("Export Program File...|Text (*.txt)|file"));
        QCOMPARE(answers.seen().size(), 10);
        QCOMPARE(m_app->data.programs[12], m_app->data.programs[7]);
        QCOMPARE(child<QLineEdit>("txtProgramName")->text(), QStringLiteral("Biopsy"));
        QCOMPARE(child<QListWidget>("lsVials")->count(), 12);
        QCOMPARE(ReadBytes(m_app->storePath), storeBefore);
    }

    void failedExportAndImportAreReported()
    {
        load();
        ModalAnswers answers;
        answers.chooseFile(m_app->folders.path() + QStringLiteral("/no such folder/export.txt"));
        answers.click(QMessageBox::Ok);
        run(answers, "mnExport");
        QVERIFY(answers.seen().at(1).startsWith(QStringLiteral("Export Program|")));
        QVERIFY(answers.seen().at(1).endsWith(QStringLiteral("|x")));
        QVERIFY(!answers.seen().at(1).contains(QStringLiteral("has been saved")));
        store(SampleData());
        const QByteArray storeBytes = ReadBytes(m_app->storePath);
        answers.chooseFile(m_app->storePath);
        answers.click(QMessageBox::Yes); // the dialog's own question about the existing file
        answers.click(QMessageBox::Ok);
        run(answers, "mnExport");
        QVERIFY2(answers.seen().at(4).contains(QStringLiteral("is the local store itself")), qPrintable(answers.seen().at(4)));
        QCOMPARE(ReadBytes(m_app->storePath), storeBytes);

        const QString file = m_app->folders.path() + QStringLiteral("/notes.txt");
        QVERIFY(WriteBytes(file, Garbage(4000, 7)));
        m_app->data.programs[1].Name = Stored("Kept");
        const ProgramRecord before = m_app->data.programs[1];
        answers.chooseFile(file);
        answers.click(QMessageBox::Yes);
        answers.click(QMessageBox::Ok);
        run(answers, "mnImport");
        QCOMPARE(answers.seen().at(7), QStringLiteral("Import Program|This is not a valid Program File.|!"));
        QCOMPARE(m_app->data.programs[1], before);
        answers.chooseFile(QString()); // cancelled: nothing asked, nothing changed
        run(answers, "mnImport");
        QCOMPARE(answers.seen().size(), 9);
        QCOMPARE(m_app->data.programs[1], before);
    }

    void settingsOkAndCancel()
    {
        load();
        ModalAnswers answers;
        QStringList seen;
        const auto chooseCom3 = [&seen](const char *button) {
            return [&seen, button](QWidget *dialog) {
                auto *ports = dialog->findChild<QComboBox *>(QStringLiteral("cbComm"));
                seen << QString::number(ports->count()) << ports->itemText(0) << ports->itemText(15)
                     << QString::number(ports->currentIndex());
                ports->setCurrentIndex(2);
                seen << dialog->findChild<QLabel *>(QStringLiteral("lblDevice"))->text();
                Click(dialog->findChild<QPushButton *>(QLatin1String(button)));
            };
        };
        answers.handle(chooseCom3("cmdCancel"));
        run(answers, "mnSettings");
        QVERIFY(!HasUserSetting(UserSetting::CommPort)); // neither the search at start-up nor Cancel stored one
        answers.handle(chooseCom3("cmdOK"));
        run(answers, "mnSettings");
        const QString device = QStringLiteral("Device: ") + m_app->folders.path() + QStringLiteral("/absent-COM3");
        QCOMPARE(seen, QStringList({"16", "COM1", "COM16", "0", device, "16", "COM1", "COM16", "0", device}));
        QCOMPARE(answers.seen().first(), QStringLiteral("Settings|SettingsDialog"));
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toInt(), 3);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
    }

    void printOpensThePrintDialog()
    {
        load();
        setProgram(7);
        ModalAnswers answers;
        answers.handle([](QWidget *dialog) { dialog->close(); });
        run(answers, "mnPrint");
        QCOMPARE(answers.seen(), QStringList{QStringLiteral("Print Program...|PrintDialog")});
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
