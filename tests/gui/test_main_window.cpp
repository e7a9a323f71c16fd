// The main window as a whole: start-up with and without a store and
// settings, its place on the screen, shutdown, the menus and their dialogs.
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "editor/ProgramEditor.h"
#include "editor/ReagentEditor.h"
#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/Duration.h"
#include "model/LocalStore.h"
#include "model/UserSettings.h"
#include "ui/AboutBox.h"
#include "ui/RequirementsWindow.h"
#include "ui/StartupNotice.h"
#include "ui/Twips.h"

#include "AppFixture.h"
#include "EditorFixture.h"
#include "ModalAnswers.h"
#include "TypeText.h"
#include "support/FileFixtures.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

QStringList VisibleWindowsBut(const QWidget *except)
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget != except)
            names.append(widget->objectName() + QLatin1Char(' ') + QString::fromLatin1(widget->metaObject()->className()));
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

    template<typename T>
    T *child(const char *name)
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QAction *action(const char *name) { return child<QAction>(name); }

    // Start-up as the utility runs it, answering the notice.
    QList<ModalAnswers::Seen> startUp(QStringList *visibleDuringNotice = nullptr)
    {
        ModalAnswers answers;
        answers.handle([visibleDuringNotice](QWidget *notice) {
            if (visibleDuringNotice)
                *visibleDuringNotice = VisibleWindowsBut(notice);
            qobject_cast<QMessageBox *>(notice)->button(QMessageBox::Ok)->click();
        });
        m_window = StartMainWindow(m_app->parts());
        [&] { QVERIFY(answers.allAnswered()); }();
        return answers.seen();
    }

    // Puts `data` into the store, for the start-up load to find.
    void store(const InstrumentData &data) { QVERIFY(WriteStore(m_app->storePath, data)); }

    // The main window loaded without the notice, for tests of what follows.
    void load()
    {
        m_window = m_app->makeWindow();
        m_window->load();
        m_window->show();
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
        QStringList visible;
        const auto seen = startUp(&visible);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.at(0).title, QStringLiteral("Varnel Corvex"));
        QCOMPARE(seen.at(0).text, StartupNoticeText());
        QCOMPARE(seen.at(0).icon, QMessageBox::Warning);
        QCOMPARE(visible, QStringList()); // nothing of the utility before the notice is confirmed

        QVERIFY(m_window->isVisible());
        QCOMPARE(VisibleWindowsBut(m_window.get()), QStringList()); // the start-up window is gone
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
        for (const char *name : {"cmdReadProgram", "cmdSendProgram", "cmdReadAllReagents", "cmdReadReagents", "cmdSend"})
            QVERIFY2(!child<QPushButton>(name)->isEnabled(), name);

        QCOMPARE(child<QGroupBox>("frameProgram")->title(), QStringLiteral("Program 01"));
        QCOMPARE(child<QListWidget>("lsVials")->count(), 24);
        QCOMPARE(child<QComboBox>("cbType")->currentText(), QStringLiteral("EM"));
        auto *reagents = child<QListWidget>("lsReagents");
        QCOMPARE(reagents->count(), 200);
        QCOMPARE(reagents->item(41)->text(), QStringLiteral("Reagent 042: \"             \""));
        QCOMPARE(reagents->currentRow(), 0);
        QCOMPARE(child<QComboBox>("cbAgit")->count(), 6);
        QCOMPARE(child<QComboBox>("cbReagents")->count(), 200);
        for (int p = 1; p <= ProgramCount; ++p)
            QCOMPARE(m_app->data.programs[p], ProgramRecord::Empty());

        QVERIFY(!QFile::exists(m_app->storePath)); // nothing is written until a transfer
        const QRect frame = m_window->frameGeometry();
        const int frameWidth = frame.width() - m_window->width();
        QVERIFY(qAbs(frame.center().x() - ScreenArea().center().x()) <= frameWidth);
        QVERIFY(qAbs(frame.center().y() - ScreenArea().center().y()) <= frameWidth);
    }

    void startUpWithStoreAndSettings()
    {
        const InstrumentData stored = FullSampleData();
        store(stored);
        WriteUserSetting(UserSetting::MainTop, QStringLiteral("1500"));
        WriteUserSetting(UserSetting::MainLeft, QStringLiteral("750"));

        startUp();
        QVERIFY(m_app->data.reagents == stored.reagents);
        // Showing program 1 the first time selects its type, which recomputes
        // its total time in memory; nothing else changes.
        ProgramRecord first = stored.programs[1];
        RecalculateDuration(first);
        QCOMPARE(m_app->data.programs[1], first);
        for (int p = 2; p <= ProgramCount; ++p)
            QCOMPARE(m_app->data.programs[p], stored.programs[p]);
        QCOMPARE(child<QLineEdit>("txtProgramName")->text(),
                 DecodeCp1252(FitName(stored.programs[1].Name, true)));
        QCOMPARE(child<QListWidget>("lsReagents")->item(199)->text(),
                 QStringLiteral("Reagent 200: \"") + DecodeCp1252(stored.reagents[200]) + QLatin1Char('"'));
        QCOMPARE(m_window->pos(), QPoint(TwipsToPixels(750, m_window->logicalDpiX()),
                                         TwipsToPixels(1500, m_window->logicalDpiY())));
    }

    void unreadableStoreIsReported()
    {
        QVERIFY(QDir().mkpath(m_app->storePath)); // a folder where the file should be
        ModalAnswers answers;
        answers.click(QMessageBox::Ok);
        load();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(0).icon, QMessageBox::Warning);
        QVERIFY(!answers.seen().at(0).text.isEmpty());
        QCOMPARE(child<QListWidget>("lsReagents")->count(), 200);
    }

    void loadingMovesTheStartUpBarInFiveSteps()
    {
        m_window = m_app->makeWindow();
        QStringList steps;
        m_window->load([&] {
            steps.append(QString::number(child<QComboBox>("cbAgit")->count()) + QLatin1Char('/')
                         + QString::number(child<QListWidget>("lsReagents")->count()) + QLatin1Char('/')
                         + QString::number(child<QComboBox>("cbType")->count()) + QLatin1Char('/')
                         + QString::number(child<QListWidget>("lsVials")->count()));
        });
        QCOMPARE(steps, QStringList({"0/0/0/0", "6/0/0/0", "6/200/0/0", "6/200/2/0", "6/200/2/24"}));
    }

    void placement_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("expected");
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
        // The window is placed before it has a frame, whose few pixels the
        // placement cannot know yet.
        const int frameWidth = frame.width() - m_window->width();
        if (expected == QStringLiteral("top"))
            QCOMPARE(frame.topLeft(), screen.topLeft());
        else if (expected == QStringLiteral("bottom right"))
            QVERIFY((frame.bottomRight() - screen.bottomRight()).manhattanLength() <= 2 * frameWidth);
        else
            QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= frameWidth);
    }

    void fitFormToScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 800, 600);
        QTest::newRow("inside") << QRect(10, 20, 300, 200) << QRect(10, 20, 300, 200);
        QTest::newRow("larger both ways") << QRect(50, 60, 1000, 900) << QRect(0, 0, 800, 600);
        QTest::newRow("negative top") << QRect(10, -400, 300, 200) << QRect(10, 0, 300, 200);
        QTest::newRow("past the right") << QRect(700, 20, 300, 200) << QRect(500, 20, 300, 200);
        QTest::newRow("past the bottom") << QRect(10, 590, 300, 200) << QRect(10, 400, 300, 200);
    }
    void fitFormToScreen()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, expected);
        QCOMPARE(FitFormToScreen(window, QRect(0, 0, 800, 600)), expected);
    }

    void shutdownSavesThePositionInNormalState()
    {
        load();
        QSignalSpy closed(m_window.get(), &MainWindow::closed);
        m_window->move(120, 80);
        QTRY_COMPARE(m_window->pos(), QPoint(120, 80));
        action("mnExit")->trigger();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!m_window->isVisible());
        bool ok = false;
        QCOMPARE(ReadUserSetting(UserSetting::MainTop).toString().toFloat(&ok),
                 float(PixelsToTwips(80, m_window->logicalDpiY())));
        QVERIFY(ok);
        QCOMPARE(ReadUserSetting(UserSetting::MainLeft).toString().toFloat(),
                 float(PixelsToTwips(120, m_window->logicalDpiX())));
    }

    void shutdownWhenMaximisedKeepsTheLastPosition()
    {
        WriteUserSetting(UserSetting::MainTop, QStringLiteral("111"));
        WriteUserSetting(UserSetting::MainLeft, QStringLiteral("222"));
        load();
        m_window->showMaximized();
        QTRY_VERIFY(m_window->isMaximized());
        QSignalSpy closed(m_window.get(), &MainWindow::closed);
        m_window->close(); // the title bar's close box
        QCOMPARE(closed.count(), 1);
        QCOMPARE(ReadUserSetting(UserSetting::MainTop).toString(), QStringLiteral("111"));
        QCOMPARE(ReadUserSetting(UserSetting::MainLeft).toString(), QStringLiteral("222"));
    }

    void menus()
    {
        load();
        QStringList captions;
        for (QAction *menu : m_window->menuBar()->actions()) {
            captions.append(menu->objectName() + QLatin1Char('=') + menu->text());
            for (QAction *entry : menu->menu()->actions())
                captions.append(entry->isSeparator() ? QStringLiteral("-") : entry->objectName() + QLatin1Char('=') + entry->text());
        }
        QCOMPARE(captions, QStringList({"mnFile=&File", "mnImport=&Import Program...", "mnExport=Export &Program...",
                                        "-", "mnPrint=P&rint...", "-", "mnSettings=&Settings...", "-",
                                        "mnExit=&Exit", "mnHelp=&Help", "mnRequirements=System Requirements...",
                                        "-", "mnAbout=&About..."}));
        auto *tabs = child<QTabWidget>("SSTab1");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Programs"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Reagents"));
    }

    void enableControlsCoversTheTransferAndEditingControls()
    {
        load();
        const QStringList listed = {"cmdReadAllReagents", "cmdReadReagents", "cmdSend", "txtReadProgram", "VScroll2",
                                    "cmdSendProgram", "cmdOK", "cmdReadProgram", "cmdCopy", "cmdDelete", "lsVials",
                                    "txtProgramName", "cbType"};
        const QStringList untouched = {"lsReagents", "txtReagent", "txtRead", "VScroll1"};
        m_window->EnableControls(true);
        m_window->EnableControls(false);
        for (const QString &name : listed)
            QVERIFY2(!m_window->findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
        for (const QString &name : untouched)
            QVERIFY2(m_window->findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
        QVERIFY(!child<QMenu>("mnFile")->menuAction()->isEnabled());
        QVERIFY(!child<QMenu>("mnHelp")->menuAction()->isEnabled());
        m_window->EnableControls(true);
        QVERIFY(!child<QPushButton>("cmdPaste")->isEnabled()); // nothing copied: left alone

        QTest::mouseClick(child<QPushButton>("cmdCopy"), Qt::LeftButton);
        m_window->EnableControls(false);
        QVERIFY(!child<QPushButton>("cmdPaste")->isEnabled());
        m_window->EnableControls(true);
        QVERIFY(child<QPushButton>("cmdPaste")->isEnabled());
        for (const QString &name : listed)
            QVERIFY2(m_window->findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
    }

    void returningToProgramsTakesOverRenamedReagents()
    {
        store(SampleStore());
        load();
        auto *tabs = child<QTabWidget>("SSTab1");
        auto *vials = child<QListWidget>("lsVials");
        child<QLineEdit>("txtReadProgram")->setText(QStringLiteral("3"));
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

    void requirementsWindowOpenedTwice()
    {
        load();
        ModalAnswers answers;
        QStringList texts;
        const auto readAndClose = [&texts](QWidget *window) {
            texts.append(window->findChild<QPlainTextEdit *>(QStringLiteral("txt"))->toPlainText());
            window->close();
        };
        answers.handle(readAndClose);
        action("mnRequirements")->trigger();
        answers.handle(readAndClose);
        action("mnRequirements")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("System Requirements"));
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.at(1), texts.at(0));
        QString expected = RequirementsWindow::RequirementsText();
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(texts.at(0), expected);
        QVERIFY(texts.at(0).startsWith(QStringLiteral("Minimum Requirements:\n - Intel 80486 CPU\n")));
        QVERIFY(texts.at(0).endsWith(QStringLiteral("XP\n\nSerial Port (COM) is required for connection.")));
    }

    void aboutBox()
    {
        load();
        ModalAnswers answers;
        answers.click(QMessageBox::Ok);
        action("mnAbout")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        const auto &box = answers.seen().at(0);
        QCOMPARE(box.title, QStringLiteral("Varnel Corvex Utility"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QVERIFY(box.text.startsWith(QStringLiteral("Varnel Corvex Utility Version 2.0.2\r\n")));
        QCOMPARE(box.text.count(QStringLiteral("\r\n\r\n")), 1);
        QCOMPARE(box.text.split(QStringLiteral("\r\n")).size(), 4);
    }

    void exportThenImportIntoAnotherProgram()
    {
        store(SampleStore());
        load();
        const QString file = m_app->folders.path() + QStringLiteral("/biopsy.txt");
        ModalAnswers answers;
        child<QLineEdit>("txtReadProgram")->setText(QStringLiteral("7"));
        answers.chooseFile(file);
        answers.click(QMessageBox::Ok);
        action("mnExport")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.fileDialogTitles(), QStringList{QStringLiteral("Export Program File...")});
        QCOMPARE(answers.fileDialogFilters(), QStringList{QStringLiteral("Text (*.txt)")});
        QCOMPARE(answers.seen().at(1).title, QStringLiteral("Export Program"));
        QCOMPARE(answers.seen().at(1).text, QStringLiteral("Program07 (\"Biopsy\") has been saved."));
        QCOMPARE(answers.seen().at(1).icon, QMessageBox::Information);
        QVERIFY(QFile::exists(file));

        const QByteArray storeBefore = ReadBytes(m_app->storePath);
        m_app->data.programs[12].Name = Stored("Old twelve");
        child<QLineEdit>("txtReadProgram")->setText(QStringLiteral("12"));
        answers.chooseFile(file);
        answers.click(QMessageBox::No);
        action("mnImport")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().last().title, QStringLiteral("Import File"));
        QCOMPARE(answers.seen().last().icon, QMessageBox::Question);
        QCOMPARE(answers.seen().last().text,
                 QStringLiteral("Program12 (\"Old twelve\") will be overwritten. Are you sure?\r\n\r\n"
                                "Please note: If you import a program file from another person, make sure you have the "
                                "same reagent list.\r\nOtherwise the Reagent designations of the imported Program may "
                                "be wrong or exchanged."));
        QCOMPARE(m_app->data.programs[12].Name, Stored("Old twelve"));

        answers.chooseFile(file);
        answers.click(QMessageBox::Yes);
        action("mnImport")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.fileDialogTitles().last(), QStringLiteral("Import Program File..."));
        QCOMPARE(m_app->data.programs[12], m_app->data.programs[7]);
        QCOMPARE(child<QLineEdit>("txtProgramName")->text(), QStringLiteral("Biopsy"));
        QCOMPARE(child<QListWidget>("lsVials")->count(), 12);
        QCOMPARE(ReadBytes(m_app->storePath), storeBefore);
        QVERIFY(answers.unexpected().isEmpty());
    }

    void exportOverAnExistingFileAsksFirst()
    {
        store(SampleStore());
        load();
        const QString file = m_app->folders.path() + QStringLiteral("/existing.txt");
        QVERIFY(WriteBytes(file, "[Other]\r\nKey=1\r\n"));
        ModalAnswers answers;
        answers.chooseFile(file);
        answers.click(QMessageBox::No); // the dialog's overwrite question
        answers.chooseFile(QString());  // then cancel
        action("mnExport")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(ReadBytes(file), QByteArray("[Other]\r\nKey=1\r\n"));

        answers.chooseFile(file);
        answers.click(QMessageBox::Yes);
        answers.click(QMessageBox::Ok);
        action("mnExport")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        const QByteArray written = ReadBytes(file);
        QVERIFY(written.startsWith("[Program]\r\nName=             \r\n"));
        QVERIFY(!written.contains("[Other]"));
        QVERIFY(answers.unexpected().isEmpty());
    }

    void failedExportIsReported()
    {
        load();
        ModalAnswers answers;
        answers.chooseFile(m_app->folders.path() + QStringLiteral("/no such folder/export.txt"));
        answers.click(QMessageBox::Ok);
        action("mnExport")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(1).title, QStringLiteral("Export Program"));
        QCOMPARE(answers.seen().at(1).icon, QMessageBox::Critical);
        QVERIFY(!answers.seen().at(1).text.contains(QStringLiteral("has been saved")));
    }

    void importOfAFileThatIsNoProgramFile()
    {
        store(SampleStore());
        load();
        const QString file = m_app->folders.path() + QStringLiteral("/notes.txt");
        QVERIFY(WriteBytes(file, Garbage(4000, 7)));
        child<QLineEdit>("txtReadProgram")->setText(QStringLiteral("3"));
        const ProgramRecord before = m_app->data.programs[3];
        ModalAnswers answers;
        answers.chooseFile(file);
        answers.click(QMessageBox::Yes);
        answers.click(QMessageBox::Ok);
        action("mnImport")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(2).title, QStringLiteral("Import Program"));
        QCOMPARE(answers.seen().at(2).text, QStringLiteral("This is not a valid Program File."));
        QCOMPARE(answers.seen().at(2).icon, QMessageBox::Warning);
        QCOMPARE(m_app->data.programs[3], before);

        answers.chooseFile(QString()); // cancelled: nothing asked, nothing changed
        action("mnImport")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().size(), 4);
        QCOMPARE(m_app->data.programs[3], before);
    }

    void settingsOkAndCancel()
    {
        load();
        ModalAnswers answers;
        QStringList items;
        QString device;
        answers.handle([&](QWidget *dialog) {
            auto *ports = dialog->findChild<QComboBox *>(QStringLiteral("cbComm"));
            for (int i = 0; i < ports->count(); ++i)
                items.append(ports->itemText(i));
            ports->setCurrentIndex(2);
            device = dialog->findChild<QLabel *>(QStringLiteral("lblDevice"))->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        });
        action("mnSettings")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("Settings"));
        QCOMPARE(items.size(), 16);
        QCOMPARE(items.first(), QStringLiteral("COM1"));
        QCOMPARE(items.last(), QStringLiteral("COM16"));
        QCOMPARE(device, QStringLiteral("Device: ") + m_app->folders.path() + QStringLiteral("/absent-COM3"));
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toInt(), 0); // the search at start-up stored nothing
        QVERIFY(!HasUserSetting(UserSetting::CommPort));

        int selectedAtOpening = -2;
        answers.handle([&](QWidget *dialog) {
            auto *ports = dialog->findChild<QComboBox *>(QStringLiteral("cbComm"));
            selectedAtOpening = ports->currentIndex();
            ports->setCurrentIndex(2);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        action("mnSettings")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(selectedAtOpening, 0); // missing: COM1
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toInt(), 3);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Varnel Corvex - not connected."));
    }

    void findDeviceWithoutAnInstrument()
    {
        load();
        ModalAnswers answers;
        QString captionAfter;
        QStringList duringSearch;
        answers.handle([&](QWidget *dialog) {
            auto *find = dialog->findChild<QPushButton *>(QStringLiteral("cmdFindDevice"));
            // While it searches nothing starts another search or closes the dialog.
            QTimer::singleShot(0, dialog, [&, dialog] {
                for (auto *control : dialog->findChildren<QPushButton *>())
                    duringSearch.append(control->text() + (control->isEnabled() ? QStringLiteral(" enabled") : QString()));
                dialog->close();
            });
            QTest::mouseClick(find, Qt::LeftButton);
            captionAfter = find->text() + (find->isEnabled() ? QStringLiteral(" enabled") : QString());
            duringSearch.append(dialog->isVisible() ? QStringLiteral("still open") : QStringLiteral("closed"));
            dialog->close();
        });
        answers.click(QMessageBox::Ok);
        action("mnSettings")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(1).title, QStringLiteral("Find Device"));
        QCOMPARE(answers.seen().at(1).text, QStringLiteral("Device couldn't be found."));
        QCOMPARE(answers.seen().at(1).icon, QMessageBox::Critical);
        QCOMPARE(captionAfter, QStringLiteral("Find Device enabled"));
        QCOMPARE(duringSearch, QStringList({"Looking for Device...", "OK", "Cancel", "still open"}));
        QCOMPARE(ReadUserSetting(UserSetting::CommPort).toInt(), 0);
        QVERIFY(HasUserSetting(UserSetting::CommPort));
    }

    void printOpensThePrintDialog()
    {
        load();
        child<QLineEdit>("txtReadProgram")->setText(QStringLiteral("7"));
        ModalAnswers answers;
        QString name;
        answers.handle([&name](QWidget *dialog) {
            name = dialog->objectName();
            dialog->close();
        });
        action("mnPrint")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(name, QStringLiteral("frmPrint"));
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("Print Program..."));
    }

    void serviceConsoleWithoutAConnection()
    {
        load();
        ModalAnswers answers;
        answers.enterText(QStringLiteral("F1"));
        answers.click(QMessageBox::Ok);
        auto *tabs = child<QTabWidget>("SSTab1");
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.inputTitles(), QStringList{QStringLiteral("Input Service Command|Command?")});
        QCOMPARE(answers.seen().at(1).title, QStringLiteral("CORVEX"));

        // Other keys or shift states do nothing, nor does the key typed into a control on a tab.
        QTest::keyClick(tabs->tabBar(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        QTest::keyClick(tabs->tabBar(), Qt::Key_S, Qt::ControlModifier);
        answers.enterText(QString());
        QTest::keyClick(child<QLineEdit>("txtProgramName"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::qWait(30);
        QCOMPARE(answers.seen().size(), 2);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
