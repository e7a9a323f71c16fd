// The editors driven through their controls. The "Programs" tab: choosing a
// program, its name and type, the vial editor and the program and vial
// clipboard; the "Reagents" tab: the number selector, the list with its name
// box, and the send, copy, paste and delete requests; and the small controls
// both are built from.
#include "ListTexts.h"
#include "NameBox.h"
#include "ProgramEditor.h"
#include "ReagentEditor.h"
#include "SpinBar.h"

#include "support/ModalAnswers.h"
#include "support/WidgetHelpers.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

using namespace corvex;

class TestEditors : public QObject
{
    Q_OBJECT

private:
    InstrumentData m_data;
    std::unique_ptr<QWidget> m_editor; // the programs' editor, unless a test shows the reagents'
    QStringList m_sent; // the reagent sends requested so far: "5=Xylene       "

    template<typename T = QWidget>
    T *child(const char *name) { return corvex::child<T>(m_editor.get(), name); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(name); }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void choose(const QString &number) { retype(box("txtReadProgram"), number); }
    void choose(int program) { choose(QString::number(program)); }
    QString durationCaption() { return child<QLabel>("lblDuration")->text(); }
    QListWidget *vials() { return child<QListWidget>("lsVials"); }
    void selectVial(int v) { vials()->setCurrentRow(v - 1); }
    void chooseVial(int program, int v)
    {
        choose(program);
        selectVial(v);
    }
    const VialStep &vial(int program, int v) { return m_data.programs[program].vial(v); }
    ReagentEditor *reagents() { return static_cast<ReagentEditor *>(m_editor.get()); }
    QLineEdit *nameBox() { return child<QLineEdit>("txtReagent"); }
    QListWidget *list() { return child<QListWidget>("lsReagents"); }
    void show(QWidget *editor)
    {
        m_editor.reset(editor);
        editor->resize(700, 700);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    void showReagents()
    {
        auto *editor = new ReagentEditor(m_data);
        connect(editor, &ReagentEditor::sendReagentRequested, this,
                [this](int number, const QByteArray &name) { m_sent << QString::number(number) + QLatin1Char('=') + QString::fromLatin1(name); });
        editor->fillList();
        editor->selectReagent(1);
        editor->showNumberToRead();
        show(editor);
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
        m_data = sampleData();
        auto *editor = new ProgramEditor(m_data);
        editor->fillAgitation();
        editor->fillReagents();
        editor->fillTypes();
        editor->showProgram();
        show(editor);
    }
    void cleanup()
    {
        m_sent.clear();
        m_editor.reset();
    }

    void choosingByTypedNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // caption|name
        QTest::newRow("seven") << "7" << "Program 07|Biopsy";
        QTest::newRow("zero shows program 1") << "0" << "Program 01|";
        QTest::newRow("empty shows program 1") << "" << "Program 01|";
        QTest::newRow("letters cannot be typed") << "x" << "Program 05|";
        QTest::newRow("three digits cannot be typed") << "993" << "Program 99|";
    }
    void choosingByTypedNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        choose(5);
        choose(typed);
        QCOMPARE(child<QGroupBox>("frameProgram")->title() + QLatin1Char('|') + box("txtProgramName")->text(), shown);
        QCOMPARE(child<SpinBar>("VScroll2")->spinValue(), static_cast<ProgramEditor *>(m_editor.get())->currentProgram());
    }

    void renamingStoresTheStoredForm()
    {
        choose(7);
        QLineEdit *name = box("txtProgramName");
        retype(name, QStringLiteral("Fixation 12h!X")); // a 14th character cannot be typed
        QCOMPARE(m_data.programs[7].name, QByteArray("Fixation 12h!"));
        retype(name, QString());
        QCOMPARE(m_data.programs[7].name, QByteArray(13, ' '));
        choose(3);
        choose(7);
        QCOMPARE(name->text(), QString());
        typeText(name, QString::fromUtf8("\u00c4tzend \u20ac"));
        QCOMPARE(m_data.programs[7].name, QByteArray("\xC4tzend \x80     "));
        // Names read from the instrument may hold any byte, controls included: showing one changes none.
        const QByteArray odd("A\x00\tB\x81\xFF \r\x7F \n C", 13);
        m_data.programs[9].name = odd;
        choose(9);
        choose(3);
        choose(9);
        QCOMPARE(m_data.programs[9].name, odd);
    }

    void typeChangeKeepsTheVials()
    {
        choose(3);
        const ProgramRecord before = m_data.programs[3];
        selectVial(20);
        auto *type = child<QComboBox>("cbType");
        const auto shown = [&] { return QStringList{QString::number(vials()->count()), QString::number(vials()->currentRow()),
                                                    QString::number(m_data.programs[3].type), durationCaption()}; };
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Up); // EM -> LM: 1 + ... + 12 minutes
        QCOMPARE(shown(), QStringList({"12", "11", "0", "Total Time: 01h 18min"}));
        QTest::keyClick(type, Qt::Key_Down); // back to EM
        QCOMPARE(shown().mid(2), QStringList({"1", "Total Time: 05h 00min"}));
        QCOMPARE(vials()->count(), 24);
        QCOMPARE(m_data.programs[3], before);
        QCOMPARE(vials()->item(19)->text(), vialLineText(20, before.vial(20), m_data.reagents));
    }

    void okStoresClampedValues_data()
    {
        QTest::addColumn<QStringList>("typed"); // hours, minutes, degrees ("off": heater off)
        QTest::addColumn<QString>("stored"); // hours, minutes, temperature, and the minutes shown again
        QTest::newRow("plain") << QStringList{"2", "30", "45"} << "2 30 45 30";
        QTest::newRow("minutes 75 held at 59") << QStringList{"1", "75", "off"} << "1 59 0 59";
        QTest::newRow("hours 99 kept") << QStringList{"99", "7", "off"} << "99 7 0 07";
        QTest::newRow("empty fields") << QStringList{"", "", "off"} << "0 0 0 00";
        QTest::newRow("heater on, nothing typed") << QStringList{"0", "5", ""} << "0 5 4 05";
        QTest::newRow("75 degrees held at 60") << QStringList{"0", "5", "75"} << "0 5 60 05";
        QTest::newRow("2 degrees raised to 4") << QStringList{"0", "5", "2"} << "0 5 4 05";
        // Pasted, which the key filter does not see: hours have no lower limit.
        QTest::newRow("negative") << QStringList{"-9", "-9", "-9"} << "-9 0 4 00";
    }
    void okStoresClampedValues()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, stored);
        chooseVial(7, 5);
        paste("txtHrs", typed[0]);
        paste("txtMin", typed[1]);
        QTest::mouseClick(child<QAbstractButton>(typed[2] == QStringLiteral("off") ? "opt_0" : "opt_1"), Qt::LeftButton);
        if (typed[2] != QStringLiteral("off"))
            paste("txtDeg", typed[2]);
        click("cmdOK");
        QCOMPARE(QStringLiteral("%1 %2 %3 ").arg(vial(7, 5).hrs).arg(vial(7, 5).min).arg(vial(7, 5).temp) + box("txtMin")->text(), stored);
    }

    void editsCountOnlyWithOkOrEnter()
    {
        chooseVial(7, 6);
        paste("txtMin", QStringLiteral("42"));
        selectVial(7);
        selectVial(6);
        QCOMPARE(box("txtMin")->text() + QString::number(vial(7, 6).min), QStringLiteral("000"));
        // On a focused check box Space ticks, and Enter presses Ok and leaves the tick alone.
        auto *pause = child<QAbstractButton>("chkPause");
        pause->setFocus();
        QTest::keyClick(pause, Qt::Key_Space);
        QTest::keyClick(pause, Qt::Key_Return);
        QVERIFY(vial(7, 6).pause == 1 && pause->isChecked());
    }

    void valuesWiderThanTheBoxesSurviveOk()
    {
        // Data from the instrument or a file can hold what cannot be typed.
        m_data.programs[8].vial(1) = VialStep{0, 9, 0, 150, 5, 125};
        choose(8);
        QCOMPARE(box("txtHrs")->text() + QLatin1Char('/') + box("txtDeg")->text(), QStringLiteral("150/125"));
        click("cmdOK");
        // Hours and a choice no list holds are kept; the temperature is clamped as typed ones are.
        QCOMPARE(QList<int>({vial(8, 1).hrs, vial(8, 1).reagent, vial(8, 1).agit, vial(8, 1).temp}), QList<int>({150, 0, 9, 60}));
        QTest::mouseClick(box("txtHrs"), Qt::LeftButton); // emptied, and takes two digits again
        QTest::keyClicks(box("txtHrs"), QStringLiteral("123"));
        QCOMPARE(box("txtHrs")->text(), QStringLiteral("12"));
    }

    // Each request asks first (No keeps everything) and works on what is
    // copied as it is at paste time.
    void programCopyPasteDelete()
    {
        QVERIFY(!button("cmdPaste")->isEnabled());
        choose(3);
        click("cmdCopy");
        retype(box("txtProgramName"), QStringLiteral("Renamed"));
        choose(7);
        const ProgramRecord seven = m_data.programs[7];
        QCOMPARE(asked(QMessageBox::No, [this] { click("cmdPaste"); }),
                 QStringLiteral("Paste Program|Program07 (\"Biopsy\") will be overwritten. Are you sure?|?"));
        QCOMPARE(asked(QMessageBox::No, [this] { click("cmdDelete"); }),
                 QStringLiteral("Delete Program|Program07 (\"Biopsy\") will be deleted. Are you sure?|?"));
        QCOMPARE(m_data.programs[7], seven);

        asked(QMessageBox::Yes, [this] { click("cmdPaste"); });
        QCOMPARE(m_data.programs[7], m_data.programs[3]);
        QCOMPARE(box("txtProgramName")->text() + QString::number(vials()->count()), QStringLiteral("Renamed24"));
        asked(QMessageBox::Yes, [this] { click("cmdDelete"); });
        QCOMPARE(m_data.programs[7], ProgramRecord::empty());
        QCOMPARE(box("txtProgramName")->text() + child<QComboBox>("cbType")->currentText() + durationCaption(),
                 QStringLiteral("EMTotal Time: 00h 00min"));
    }

    void vialCopyPasteDelete()
    {
        QVERIFY(!child<QAction>("mnPaste")->isEnabled());
        chooseVial(3, 2);
        trigger("mnCopy");
        m_data.programs[3].vial(2).min = 44; // taken at paste time
        chooseVial(7, 4); // LM: a vial of an EM program onto vial 4
        QCOMPARE(asked(QMessageBox::No, [this] { trigger("mnPaste"); }),
                 QStringLiteral("Paste Vial|Vial04 (\"Reagent 014\") will be overwritten. Are you sure?|?"));
        QCOMPARE(vial(7, 4).reagent, 14);
        asked(QMessageBox::Yes, [this] { trigger("mnPaste"); });
        QCOMPARE(vial(7, 4), vial(3, 2));
        QCOMPARE(m_data.programs[7].duration, 11 * 60 + 44);

        selectVial(5);
        QCOMPARE(asked(QMessageBox::Yes, [this] { trigger("mnDelete"); }),
                 QStringLiteral("Delete Vial|Vial05 (\"Reagent 015\") will be deleted. Are you sure?|?"));
        QCOMPARE(vial(7, 5), VialStep::blank());
        QCOMPARE(QList<int>({vial(7, 6).reagent, m_data.programs[7].duration}), QList<int>({16, 10 * 60 + 44})); // nothing moved up
        QCOMPARE(vials()->item(4)->text(), vialLineText(5, VialStep::blank(), m_data.reagents));
        QCOMPARE(vials()->currentRow(), 4);
    }

    void numberSelector_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reagent");
        QTest::newRow("plain") << "57" << 57;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("999 held at 200") << "999" << 200;
        QTest::newRow("four digits cannot be typed") << "1234" << 123;
        QTest::newRow("letters cannot be typed") << "a7" << 7;
    }
    void numberSelector()
    {
        showReagents();
        QFETCH(QString, typed);
        QFETCH(int, reagent);
        auto *number = box("txtRead");
        retype(number, QStringLiteral("50"));
        retype(number, typed);
        // The selector does not select a line.
        QCOMPARE(QList<int>({reagents()->numberToRead(), child<SpinBar>("VScroll1")->spinValue(), list()->currentRow()}),
                 QList<int>({reagent, reagent, 0}));
        QCOMPARE(number->text(), QString::number(reagent));
    }

    void selectingALineFillsTheNameBox()
    {
        showReagents();
        QCOMPARE(list()->count(), 200);
        QCOMPARE(list()->item(0)->text(), QStringLiteral("Reagent 001: \"Empty        \""));
        const QFontMetrics metrics(list()->font()); // lines in fixed columns
        QCOMPARE(metrics.horizontalAdvance(list()->item(0)->text()), metrics.horizontalAdvance(list()->item(150)->text()));
        const QPoint onLine7 = list()->visualItemRect(list()->item(6)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, onLine7);
        QCOMPARE(child<QLabel>("lblReagents")->text() + nameBox()->text(), QStringLiteral("Reagent 007:Reagent 007"));
        QVERIFY(nameBox()->hasFocus());
        retype(nameBox(), QStringLiteral("Xylene"));
        QCOMPARE(m_data.reagents[7], stored("Reagent 007")); // typing changes nothing yet
        QTest::keyClick(nameBox(), Qt::Key_Return); // as Send reagent does
        QCOMPARE(m_sent, QStringList{"7=Xylene       "});
        // Clicking the line already selected puts the focus in the name box too.
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, onLine7);
        QVERIFY(nameBox()->hasFocus());
    }

    // A name typed but not sent stays with its line, which shows it, until Esc drops it.
    void typedNameStaysWithItsLine()
    {
        showReagents();
        list()->setCurrentRow(6);
        retype(nameBox(), QStringLiteral("Xylene"));
        list()->setCurrentRow(8);
        QCOMPARE(nameBox()->text(), QStringLiteral("Reagent 009"));
        list()->setCurrentRow(6);
        QCOMPARE(nameBox()->text() + QLatin1Char('|') + list()->item(6)->text(), QStringLiteral("Xylene|Reagent 007: \"Reagent 007  \"  not sent: \"Xylene\""));
        QCOMPARE(reagents()->unsentReagents(), QList<int>{7});
        QTest::keyClick(nameBox(), Qt::Key_Escape);
        QCOMPARE(nameBox()->text() + QLatin1Char('|') + list()->item(6)->text(), QStringLiteral("Reagent 007|Reagent 007: \"Reagent 007  \""));
        QCOMPARE(reagents()->unsentReagents(), QList<int>());
    }

    // A paste takes the name as it is then; reagent 1 is renamed only after a question, whose No sends
    // nothing and leaves the box as typed, pasted or deleted.
    void copyPasteAndDelete()
    {
        showReagents();
        QVERIFY(!child<QAction>("mnReagentPaste")->isEnabled());
        reagents()->selectReagent(3);
        trigger("mnReagentCopy");
        m_data.reagents[3] = stored("Renamed 3");
        for (const int reagent : {9, 10}) { // stays available
            reagents()->selectReagent(reagent);
            trigger("mnReagentPaste");
        }
        reagents()->selectReagent(5);
        trigger("mnReagentDelete");
        QCOMPARE(m_sent, QStringList({"9=Renamed 3    ", "10=Renamed 3    ", "5=             "}));

        m_sent.clear();
        const QString question = QStringLiteral("Are you sure?|Are you sure that you want to rename this reagent? It "
                                                "is used by the Corvex to designate an empty vial.|?");
        reagents()->selectReagent(1);
        QCOMPARE(asked(QMessageBox::No, [this] { trigger("mnReagentPaste"); }), question);
        QCOMPARE(nameBox()->text(), QStringLiteral("Renamed 3    "));
        QCOMPARE(asked(QMessageBox::No, [this] { trigger("mnReagentDelete"); }), question);
        QCOMPARE(nameBox()->text(), QString());
        typeText(nameBox(), QStringLiteral("Nothing"));
        QCOMPARE(asked(QMessageBox::No, [this] { click("cmdSend"); }), question);
        QCOMPARE(m_sent, QStringList());
        asked(QMessageBox::Yes, [this] { click("cmdSend"); });
        QCOMPARE(m_sent, QStringList{"1=Nothing      "});
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
        QTest::newRow("typed, then typing on") << QString::fromUtf8("Wax\u03b1 1") << "" << "Wax 1"
                                           << QString::fromUtf8("\u201c\u03b1\u201d can't be stored on the Corvex and was left out.");
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
        typeText(box, typed);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), expected);
        QCOMPARE(noteLabel->isHidden() ? QString() : noteLabel->text(), note);
        QTest::keyClick(box, Qt::Key_Backspace); // an edit taken whole
        QCOMPARE(noteLabel->isHidden() ? QString() : noteLabel->text(), note);
        box->showName(QStringLiteral("Other"));
        QVERIFY(noteLabel->isHidden());
    }
};

QTEST_MAIN(TestEditors)
#include "test_editors.moc"
