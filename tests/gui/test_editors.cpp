// The editors driven through their controls. The "Programs" tab: choosing a
// program, its name and type, the vial editor and the program and vial
// clipboard; the "Reagents" tab: the number selector, the list with its name
// box, and the send, copy, paste and delete requests; and the small controls
// both are built from.
#include "editor/NameBox.h"
#include "editor/NumberKeyFilter.h"
#include "editor/ProgramEditor.h"
#include "editor/Progress.h"
#include "editor/ReagentEditor.h"
#include "editor/SpinBar.h"
#include "model/ListTexts.h"

#include "support/ModalAnswers.h"
#include "support/WidgetHelpers.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>

class TestEditors : public QObject
{
    Q_OBJECT

private:
    InstrumentData m_data;
    std::unique_ptr<QWidget> m_editor; // the programs' editor, unless a test shows the reagents'
    std::unique_ptr<QSignalSpy> m_sent;

    template<typename T = QWidget>
    T *child(const char *name) { return Child<T>(m_editor.get(), name); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(name); }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    QAction *action(const char *name) { return child<QAction>(name); }
    void choose(const QString &number) { Retype(box("txtReadProgram"), number); }
    QString frameCaption() { return child<QGroupBox>("frameProgram")->title(); }
    QString durationCaption() { return child<QLabel>("lblDuration")->text(); }
    QListWidget *vials() { return child<QListWidget>("lsVials"); }
    void selectVial(int v) { vials()->setCurrentRow(v - 1); }
    ProgramEditor *programs() { return static_cast<ProgramEditor *>(m_editor.get()); }
    ReagentEditor *reagents() { return static_cast<ReagentEditor *>(m_editor.get()); }
    QLineEdit *nameBox() { return child<QLineEdit>("txtReagent"); }
    QListWidget *list() { return child<QListWidget>("lsReagents"); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    // The reagent sends requested so far: "5=Xylene       ".
    QStringList sent()
    {
        QStringList requests;
        for (const QList<QVariant> &request : *m_sent)
            requests.append(request.at(0).toString() + QLatin1Char('=') + QString::fromLatin1(request.at(1).toByteArray()));
        return requests;
    }
    void showReagents()
    {
        auto *editor = new ReagentEditor(m_data);
        m_editor.reset(editor);
        m_sent = std::make_unique<QSignalSpy>(editor, &ReagentEditor::sendReagentRequested);
        editor->fillList();
        editor->selectReagent(1);
        editor->showNumberToRead();
        editor->resize(700, 600);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    // Clicks into a number field (which empties it) and pastes `text`.
    void paste(const char *name, const QString &text)
    {
        QTest::mouseClick(box(name), Qt::LeftButton);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box(name), Qt::Key_V, Qt::ControlModifier);
    }

private Q_SLOTS:
    void init()
    {
        m_data = SampleData();
        auto *editor = new ProgramEditor(m_data);
        m_editor.reset(editor);
        editor->fillAgitation();
        editor->fillReagents();
        editor->fillTypes();
        editor->showProgram();
        editor->resize(700, 700);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    void cleanup()
    {
        m_sent.reset();
        m_editor.reset();
    }

    void choosingByTypedNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::newRow("seven") << "7" << "Program 07" << "Biopsy";
        QTest::newRow("zero shows program 1") << "0" << "Program 01" << "";
        QTest::newRow("empty shows program 1") << "" << "Program 01" << "";
        QTest::newRow("letters cannot be typed") << "x" << "Program 05" << "";
        QTest::newRow("three digits cannot be typed") << "993" << "Program 99" << "";
    }
    void choosingByTypedNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(QString, name);
        choose(QStringLiteral("5"));
        choose(typed);
        QCOMPARE(frameCaption(), caption);
        QCOMPARE(box("txtProgramName")->text(), name);
        QCOMPARE(child<SpinBar>("VScroll2")->spinValue(), programs()->currentProgram());
    }

    void spinStepsAndWrapsAround()
    {
        auto *spin = child<SpinBar>("VScroll2");
        choose(QStringLiteral("99"));
        spin->stepUp();
        QCOMPARE(QStringList({frameCaption(), box("txtReadProgram")->text()}), QStringList({"Program 01", "1"}));
        spin->stepDown();
        QCOMPARE(QStringList({frameCaption(), box("txtReadProgram")->text(), QString::number(spin->spinValue())}),
                 QStringList({"Program 99", "99", "99"}));
    }

    void renamingStoresTheStoredForm()
    {
        choose(QStringLiteral("7"));
        QLineEdit *name = box("txtProgramName");
        Retype(name, QStringLiteral("Fixation 12h!X")); // a 14th character cannot be typed
        QCOMPARE(m_data.programs[7].Name, QByteArray("Fixation 12h!"));
        Retype(name, QString());
        QCOMPARE(m_data.programs[7].Name, QByteArray(13, ' '));
        choose(QStringLiteral("3"));
        choose(QStringLiteral("7"));
        QCOMPARE(name->text(), QString());
        TypeText(name, QString::fromUtf8("\u00c4tzend \u20ac"));
        QCOMPARE(m_data.programs[7].Name, QByteArray("\xC4tzend \x80     "));
    }

    void showingANameChangesNoByteOfIt()
    {
        // Names read from the instrument may hold any byte, controls included.
        const QByteArray odd("A\x00\tB\x81\xFF \r\x7F \n C", 13);
        m_data.programs[9].Name = odd;
        choose(QStringLiteral("9"));
        choose(QStringLiteral("3"));
        choose(QStringLiteral("9"));
        QCOMPARE(m_data.programs[9].Name, odd);
    }

    void typeChangeKeepsTheVials()
    {
        choose(QStringLiteral("3"));
        const ProgramRecord before = m_data.programs[3];
        selectVial(20);
        auto *type = child<QComboBox>("cbType");
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Up); // EM -> LM
        QCOMPARE(QList<int>({int(vials()->count()), vials()->currentRow(), m_data.programs[3].Type}), QList<int>({12, 11, 0}));
        QCOMPARE(durationCaption(), QStringLiteral("Total Time: 01h 18min")); // 1 + ... + 12 minutes

        QTest::keyClick(type, Qt::Key_Down); // back to EM
        QCOMPARE(vials()->count(), 24);
        QCOMPARE(m_data.programs[3].Duration, 300);
        QCOMPARE(durationCaption(), QStringLiteral("Total Time: 05h 00min"));
        QCOMPARE(m_data.programs[3].Vials, before.Vials);
        QCOMPARE(vials()->item(19)->text(), VialLineText(20, before.vial(20), m_data.reagents));
    }

    void storedDurationIsShownUntilRecomputed()
    {
        m_data.programs[4] = m_data.programs[3];
        m_data.programs[4].Duration = 7505;
        m_data.programs[5] = m_data.programs[4];
        choose(QStringLiteral("3"));
        choose(QStringLiteral("4")); // same type as program 3: nothing recomputes it
        QCOMPARE(durationCaption(), QStringLiteral("Total Time: 125h 05min"));
        QCOMPARE(m_data.programs[4].Duration, 7505);
        choose(QStringLiteral("7")); // LM
        choose(QStringLiteral("5")); // EM after LM: the type handler recomputes
        QCOMPARE(m_data.programs[5].Duration, 300);
        QCOMPARE(durationCaption(), QStringLiteral("Total Time: 05h 00min"));
    }

    void vialFieldsShowTheSelectedVial()
    {
        const auto fields = [this] {
            return QStringList{QString::number(child<QComboBox>("cbReagents")->currentIndex()), box("txtHrs")->text(),
                               box("txtMin")->text(), box("txtDeg")->text(), QString::number(box("txtDeg")->isEnabled()),
                               QString::number(child<QComboBox>("cbAgit")->currentIndex()),
                               QString::number(child<QCheckBox>("chkPause")->isChecked()),
                               QString::number(child<QRadioButton>("opt_1")->isChecked())};
        };
        choose(QStringLiteral("3"));
        selectVial(3); // reagent 4, agitation 3, pause, 0 h 3 min, 37 degrees
        QCOMPARE(fields(), QStringList({"3", "0", "03", "37", "1", "3", "1", "1"}));
        selectVial(4); // heater off
        QCOMPARE(fields(), QStringList({"4", "0", "04", "--", "0", "4", "0", "0"}));
        QVERIFY(child<QRadioButton>("opt_0")->isChecked());
    }

    void okStoresClampedValues_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("degrees"); // "off": heater off
        QTest::addColumn<QList<int>>("stored"); // hours, minutes, temperature
        QTest::addColumn<QString>("shownMinutes");
        QTest::newRow("plain") << "2" << "30" << "45" << QList<int>{2, 30, 45} << "30";
        QTest::newRow("minutes 75 held at 59") << "1" << "75" << "off" << QList<int>{1, 59, 0} << "59";
        QTest::newRow("hours 99 kept") << "99" << "7" << "off" << QList<int>{99, 7, 0} << "07";
        QTest::newRow("empty fields") << "" << "" << "off" << QList<int>{0, 0, 0} << "00";
        QTest::newRow("heater on, nothing typed") << "0" << "5" << "" << QList<int>{0, 5, 4} << "05";
        QTest::newRow("75 degrees held at 60") << "0" << "5" << "75" << QList<int>{0, 5, 60} << "05";
        QTest::newRow("2 degrees raised to 4") << "0" << "5" << "2" << QList<int>{0, 5, 4} << "05";
        // Pasted, which the key filter does not see: hours have no lower limit.
        QTest::newRow("negative") << "-9" << "-9" << "-9" << QList<int>{-9, 0, 4} << "00";
    }
    void okStoresClampedValues()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(QString, degrees);
        QFETCH(QList<int>, stored);
        QFETCH(QString, shownMinutes);
        choose(QStringLiteral("7"));
        selectVial(5);
        paste("txtHrs", hours);
        paste("txtMin", minutes);
        QTest::mouseClick(child<QRadioButton>(degrees == QStringLiteral("off") ? "opt_0" : "opt_1"), Qt::LeftButton);
        if (degrees != QStringLiteral("off"))
            paste("txtDeg", degrees);
        Click(button("cmdOK"));

        const VialStep &vial = m_data.programs[7].vial(5);
        QCOMPARE(QList<int>({vial.Hrs, vial.Min, vial.Temp}), stored);
        QCOMPARE(box("txtMin")->text(), shownMinutes); // shown again as stored
    }

    void okTakesReagentAgitationAndPause()
    {
        choose(QStringLiteral("7"));
        selectVial(2);
        child<QComboBox>("cbReagents")->setCurrentIndex(199);
        child<QComboBox>("cbAgit")->setCurrentIndex(5);
        Click(child<QCheckBox>("chkPause"));
        Click(button("cmdOK"));
        const VialStep &vial = m_data.programs[7].vial(2);
        QCOMPARE(QList<int>({vial.Reagent, vial.Agit, vial.Pause}), QList<int>({200, 5, 1}));
        QVERIFY(vials()->item(1)->text().endsWith(QStringLiteral(" PAUSE")));
    }

    void editsCountOnlyWithOkOrEnter()
    {
        choose(QStringLiteral("7"));
        selectVial(6);
        paste("txtMin", QStringLiteral("42"));
        selectVial(7);
        selectVial(6);
        QCOMPARE(box("txtMin")->text(), QStringLiteral("00"));
        QCOMPARE(m_data.programs[7].vial(6).Min, 0);

        paste("txtMin", QStringLiteral("42"));
        QTest::keyClick(box("txtMin"), Qt::Key_Return);
        QCOMPARE(m_data.programs[7].vial(6).Min, 42);
    }

    void enterOnAFocusedOptionPressesOk_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QList<int>>("stored"); // pause, temperature
        QTest::newRow("check box") << "chkPause" << QList<int>{1, 0};
        QTest::newRow("option button") << "opt_1" << QList<int>{0, 4};
    }
    void enterOnAFocusedOptionPressesOk()
    {
        QFETCH(QString, control);
        QFETCH(QList<int>, stored);
        choose(QStringLiteral("7"));
        selectVial(2);
        auto *option = child<QAbstractButton>(qPrintable(control));
        option->setFocus();
        QTest::keyClick(option, Qt::Key_Space); // Space ticks
        QTest::keyClick(option, Qt::Key_Return); // Enter presses Ok and leaves the tick alone
        const VialStep &vial = m_data.programs[7].vial(2);
        QCOMPARE(QList<int>({vial.Pause, vial.Temp}), stored);
        QVERIFY(option->isChecked());
    }

    void reagentDropDownOpensWithAtMostTwentyLines()
    {
        auto *reagents = child<QComboBox>("cbReagents");
        reagents->showPopup();
        QAbstractItemView *list = reagents->view();
        QTRY_VERIFY(list->isVisible());
        const int shown = list->indexAt(QPoint(1, list->viewport()->height() - 1)).row() - list->indexAt(QPoint(1, 1)).row() + 1;
        const bool scrolls = list->verticalScrollBar()->isVisible();
        reagents->hidePopup();
        QVERIFY2(shown >= 10 && shown <= 20, qPrintable(QString::number(shown)));
        QVERIFY(scrolls);
    }

    void valuesWiderThanTheBoxesSurviveOk()
    {
        // Data from the instrument or a file can hold what cannot be typed.
        m_data.programs[8].vial(1) = VialStep{0, 9, 0, 150, 5, 125};
        choose(QStringLiteral("8"));
        QCOMPARE(box("txtHrs")->text() + QLatin1Char('/') + box("txtDeg")->text(), QStringLiteral("150/125"));
        Click(button("cmdOK"));
        const VialStep &vial = m_data.programs[8].vial(1);
        // Hours and a choice no list holds are kept; the temperature is clamped as typed ones are.
        QCOMPARE(QList<int>({vial.Hrs, vial.Reagent, vial.Agit, vial.Temp}), QList<int>({150, 0, 9, 60}));
        QTest::mouseClick(box("txtHrs"), Qt::LeftButton); // emptied, and takes two digits again
        QTest::keyClicks(box("txtHrs"), QStringLiteral("123"));
        QCOMPARE(box("txtHrs")->text(), QStringLiteral("12"));
    }

    // Each request asks first (No keeps everything) and works on what is
    // copied as it is at paste time.
    void programCopyPasteDelete()
    {
        QVERIFY(!button("cmdPaste")->isEnabled());
        choose(QStringLiteral("3"));
        Click(button("cmdCopy"));
        Retype(box("txtProgramName"), QStringLiteral("Renamed"));
        choose(QStringLiteral("7"));
        const ProgramRecord seven = m_data.programs[7];
        QCOMPARE(Asked(QMessageBox::No, [this] { Click(button("cmdPaste")); }),
                 QStringLiteral("Paste Program|Program07 (\"Biopsy\") will be overwritten. Are you sure?|?"));
        QCOMPARE(Asked(QMessageBox::No, [this] { Click(button("cmdDelete")); }),
                 QStringLiteral("Delete Program|Program07 (\"Biopsy\") will be deleted. Are you sure?|?"));
        QCOMPARE(m_data.programs[7], seven);

        Asked(QMessageBox::Yes, [this] { Click(button("cmdPaste")); });
        QCOMPARE(m_data.programs[7], m_data.programs[3]);
        QCOMPARE(box("txtProgramName")->text() + QString::number(vials()->count()), QStringLiteral("Renamed24"));
        Asked(QMessageBox::Yes, [this] { Click(button("cmdDelete")); });
        QCOMPARE(m_data.programs[7], ProgramRecord::Empty());
        QCOMPARE(box("txtProgramName")->text() + child<QComboBox>("cbType")->currentText() + durationCaption(),
                 QStringLiteral("EMTotal Time: 00h 00min"));
    }

    void vialCopyPasteDelete()
    {
        QVERIFY(!action("mnPaste")->isEnabled());
        choose(QStringLiteral("3"));
        selectVial(2);
        action("mnCopy")->trigger();
        m_data.programs[3].vial(2).Min = 44; // taken at paste time
        choose(QStringLiteral("7")); // LM: a vial of an EM program onto vial 4
        selectVial(4);
        QCOMPARE(Asked(QMessageBox::No, [this] { action("mnPaste")->trigger(); }),
                 QStringLiteral("Paste Vial|Vial04 (\"Reagent 014\") will be overwritten. Are you sure?|?"));
        QCOMPARE(m_data.programs[7].vial(4).Reagent, 14);
        Asked(QMessageBox::Yes, [this] { action("mnPaste")->trigger(); });
        QCOMPARE(m_data.programs[7].vial(4), m_data.programs[3].vial(2));
        QCOMPARE(m_data.programs[7].Duration, 11 * 60 + 44);

        selectVial(5);
        QCOMPARE(Asked(QMessageBox::Yes, [this] { action("mnDelete")->trigger(); }),
                 QStringLiteral("Delete Vial|Vial05 (\"Reagent 015\") will be deleted. Are you sure?|?"));
        QCOMPARE(m_data.programs[7].vial(5), VialStep::Blank());
        QCOMPARE(m_data.programs[7].vial(6).Reagent, 16); // nothing moved up
        QCOMPARE(m_data.programs[7].Duration, 10 * 60 + 44);
        QCOMPARE(vials()->item(4)->text(), VialLineText(5, VialStep::Blank(), m_data.reagents));
        QCOMPARE(vials()->currentRow(), 4);
    }

    void rightButtonOpensTheVialMenuWithoutSelecting()
    {
        choose(QStringLiteral("3"));
        selectVial(2);
        const QPoint onVial6 = vials()->visualItemRect(vials()->item(5)).center();
        QTest::mousePress(vials()->viewport(), Qt::RightButton, {}, onVial6);
        QTest::mouseRelease(vials()->viewport(), Qt::RightButton, {}, onVial6);
        auto *menu = child<QMenu>("mnVial");
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(vials()->currentRow(), 1);
        menu->close();
    }

    void listShowsEveryReagentInFixedColumns()
    {
        showReagents();
        QCOMPARE(list()->count(), 200);
        QCOMPARE(list()->item(0)->text(), QStringLiteral("Reagent 001: \"Empty        \""));
        QVERIFY(QFontInfo(list()->font()).fixedPitch());
        const QFontMetrics metrics(list()->font());
        QCOMPARE(metrics.horizontalAdvance(list()->item(0)->text()), metrics.horizontalAdvance(list()->item(150)->text()));
    }

    void numberSelector_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reagent");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "57" << 57 << "57";
        QTest::newRow("zero") << "0" << 1 << "1";
        QTest::newRow("empty") << "" << 1 << "1";
        QTest::newRow("999 held at 200") << "999" << 200 << "200";
        QTest::newRow("four digits cannot be typed") << "1234" << 123 << "123";
        QTest::newRow("letters cannot be typed") << "a7" << 7 << "7";
    }
    void numberSelector()
    {
        showReagents();
        QFETCH(QString, typed);
        QFETCH(int, reagent);
        QFETCH(QString, shown);
        auto *number = child<QLineEdit>("txtRead");
        Retype(number, QStringLiteral("50"));
        Retype(number, typed);
        QCOMPARE(reagents()->numberToRead(), reagent);
        QCOMPARE(child<SpinBar>("VScroll1")->spinValue(), reagent);
        QCOMPARE(number->text(), shown);
        QCOMPARE(list()->currentRow(), 0); // the selector does not select a line
    }

    void spinWrapsAround()
    {
        showReagents();
        auto *spin = child<SpinBar>("VScroll1");
        Retype(child<QLineEdit>("txtRead"), QStringLiteral("200"));
        spin->stepUp();
        QCOMPARE(child<QLineEdit>("txtRead")->text(), QStringLiteral("1"));
        spin->stepDown();
        QCOMPARE(child<QLineEdit>("txtRead")->text(), QStringLiteral("200"));
        QCOMPARE(spin->spinValue(), 200);
    }

    void selectingALineFillsTheNameBox()
    {
        showReagents();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(6)).center());
        QCOMPARE(child<QLabel>("lblReagents")->text(), QStringLiteral("Reagent 007:"));
        QCOMPARE(nameBox()->text(), QStringLiteral("Reagent 007"));
        QVERIFY(nameBox()->hasFocus());
        Retype(nameBox(), QStringLiteral("Xylene"));
        QCOMPARE(m_data.reagents[7], Stored("Reagent 007")); // typing changes nothing yet
        Click(child<QPushButton>("cmdSend"));
        QCOMPARE(sent(), QStringList{"7=Xylene       "});

        // Clicking the line already selected puts the focus in the name box too.
        const QPoint onLine7 = list()->visualItemRect(list()->item(6)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, onLine7);
        QVERIFY(nameBox()->hasFocus());
    }

    void copyPasteAndDelete()
    {
        showReagents();
        QVERIFY(!child<QAction>("mnReagentPaste")->isEnabled());
        reagents()->selectReagent(3);
        trigger("mnReagentCopy");
        QVERIFY(child<QAction>("mnReagentPaste")->isEnabled());
        m_data.reagents[3] = Stored("Renamed 3"); // a paste takes the name as it is then
        reagents()->selectReagent(9);
        trigger("mnReagentPaste");
        reagents()->selectReagent(10);
        trigger("mnReagentPaste"); // stays available
        reagents()->selectReagent(5);
        trigger("mnReagentDelete");
        QCOMPARE(sent(), QStringList({"9=Renamed 3    ", "10=Renamed 3    ", "5=             "}));
    }

    void renamingReagentOneAsksFirst()
    {
        showReagents();
        const QString question = QStringLiteral("Are you sure?|Are you sure that you want to rename this reagent? It "
                                                "is used by the Corvex to designate an empty vial.|?");
        // On No nothing is sent; the box keeps what was typed, pasted or deleted.
        reagents()->selectReagent(3);
        trigger("mnReagentCopy");
        reagents()->selectReagent(1);
        QCOMPARE(Asked(QMessageBox::No, [this] { trigger("mnReagentPaste"); }), question);
        QCOMPARE(nameBox()->text(), QStringLiteral("Reagent 003  "));
        QCOMPARE(Asked(QMessageBox::No, [this] { trigger("mnReagentDelete"); }), question);
        QCOMPARE(nameBox()->text(), QString());
        TypeText(nameBox(), QStringLiteral("Nothing"));
        QCOMPARE(Asked(QMessageBox::No, [this] { Click(child<QPushButton>("cmdSend")); }), question);
        QCOMPARE(sent(), QStringList());
        Asked(QMessageBox::Yes, [this] { Click(child<QPushButton>("cmdSend")); });
        QCOMPARE(sent(), QStringList{"1=Nothing      "});
    }

    void numberBoxTakesDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits and their neighbours / and :") << "/0:9" << "09";
        QTest::newRow("letters, signs, points, blanks") << "a-1 .b+" << "1";
        QTest::newRow("code 233 dropped, codes beyond 255 pass") << QString::fromUtf8("\u00e93\u20ac") << QString::fromUtf8("3\u20ac");
        QTest::newRow("length limit") << "12345" << "123";
    }
    void numberBoxTakesDigitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const std::unique_ptr<QLineEdit> box(MakeNumberBox("box", QString(), 3, nullptr));
        TypeText(box.get(), typed);
        QCOMPARE(box->text(), expected);
    }

    void numberBoxKeepsEditingAndClipboardKeys()
    {
        QLineEdit box;
        box.setMaxLength(3);
        NumberKeyFilter::Install(&box);
        QTest::keyClicks(&box, QStringLiteral("123"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Left);
        // Delete as X11 sends it, with the control code DEL as its text.
        QTest::sendKeyEvent(QTest::Press, &box, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
        QCOMPARE(box.text(), QStringLiteral("1"));

        box.selectAll(); // Ctrl+A itself is a discarded code
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("11"));

        // Pasted text is not filtered; only the length limit applies.
        QGuiApplication::clipboard()->setText(QStringLiteral("x9yz"));
        box.clear();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("x9y"));
    }

    void spinBarUpArrowIncreases()
    {
        SpinBar spin(0, 100);
        spin.setSpinValue(5);
        QSignalSpy changed(&spin, &SpinBar::spinValueChanged);
        spin.setSpinValue(5); // no change, no handler
        QCOMPARE(changed.count(), 0);

        spin.resize(17, 120);
        spin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&spin));
        QTest::keyClick(&spin, Qt::Key_Up);
        QCOMPARE(spin.spinValue(), 6);
        QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(8, 4)); // the top arrow
        QCOMPARE(spin.spinValue(), 7);
        QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(8, 116));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.last().first().toInt(), 6);
    }

    void nameBoxTakesOnlyWhatCanBeStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("note");
        QTest::newRow("plain") << "Ethanol 70%" << "" << "Ethanol 70%" << "";
        QTest::newRow("thirteen at most") << "Paraffin wax bath" << "" << "Paraffin wax " << "";
        QTest::newRow("code page letters") << QString::fromUtf8("Xyl\u00e8ne \u20ac\u0153") << ""
                                           << QString::fromUtf8("Xyl\u00e8ne \u20ac\u0153") << "";
        QTest::newRow("tab and line breaks become spaces") << "" << "A\tB\nC\r\nD" << "A B C D" << "";
        QTest::newRow("characters the code page lacks")
            << QString::fromUtf8("\u03b1-Ethanol") << QString::fromUtf8("\u4e2d\u2713 1\u4e2d")
            << "-Ethanol 1" << QString::fromUtf8("\u201c\u4e2d\u2713\u201d can't be stored on the Corvex and were left out.");
        QTest::newRow("an emoji") << "Wax" << QString::fromUtf8(" \U0001F600") << "Wax "
                                  << QString::fromUtf8("\u201c\U0001F600\u201d can't be stored on the Corvex and was left out.");
    }
    void nameBoxTakesOnlyWhatCanBeStored()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        QFETCH(QString, note);
        QWidget row;
        auto *box = new NameBox(&row);
        QLabel *noteLabel = box->createNoteLabel(&row);
        TypeText(box, typed);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), expected);
        QCOMPARE(noteLabel->isHidden() ? QString() : noteLabel->text(), note);
        QTest::keyClick(box, Qt::Key_Backspace); // an edit taken whole
        QVERIFY(noteLabel->isHidden());
    }

    void percentText()
    {
        const QStringList texts = {PercentText(1, 138), PercentText(69, 138), PercentText(138, 138),
                                   PercentText(2, 200), PercentText(3, 0)};
        QCOMPARE(texts, QStringList({"0%", "50%", "100%", "1%", "0%"}));
    }
};

QTEST_MAIN(TestEditors)
#include "test_editors.moc"
