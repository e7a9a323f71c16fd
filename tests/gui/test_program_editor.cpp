// The "Programs" tab driven through its controls: choosing a program, its
// name and type, the vial editor and the program and vial clipboard.
#include "editor/ProgramEditor.h"
#include "editor/SpinBar.h"
#include "model/Duration.h"
#include "model/ListTexts.h"

#include "EditorFixture.h"
#include "ModalAnswers.h"
#include "TypeText.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestProgramEditor : public QObject
{
    Q_OBJECT

private:
    InstrumentData m_data;
    std::unique_ptr<ProgramEditor> m_editor;

    template<typename T>
    T *child(const char *name)
    {
        T *found = m_editor->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *box(const char *name) { return child<QLineEdit>(name); }

    // Selects the number box's text and types over it, as a user does.
    void choose(const QString &number)
    {
        QLineEdit *numberBox = box("txtReadProgram");
        numberBox->selectAll();
        if (number.isEmpty())
            QTest::keyClick(numberBox, Qt::Key_Backspace);
        else
            TypeText(numberBox, number);
    }
    QString frameCaption() { return child<QGroupBox>("frameProgram")->title(); }
    QString durationCaption() { return child<QLabel>("lblDuration")->text(); }
    QListWidget *vials() { return child<QListWidget>("lsVials"); }
    void selectVial(int v) { vials()->setCurrentRow(v - 1); }
    void clickOk() { QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton); }
    // Clicks into a number field (which empties it) and types.
    void retype(const char *name, const QString &text)
    {
        QTest::mouseClick(box(name), Qt::LeftButton);
        TypeText(box(name), text);
    }

private Q_SLOTS:
    void init()
    {
        m_data = SampleData();
        m_editor = std::make_unique<ProgramEditor>(m_data);
        m_editor->fillAgitation();
        m_editor->fillReagents();
        m_editor->fillTypes();
        m_editor->showProgram();
        m_editor->resize(700, 700);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    void cleanup() { m_editor.reset(); }

    void startsOnProgramOne()
    {
        QCOMPARE(frameCaption(), QStringLiteral("Program 01"));
        QCOMPARE(child<SpinBar>("VScroll2")->spinValue(), 1);
        QCOMPARE(child<QComboBox>("cbType")->currentText(), QStringLiteral("EM"));
        QCOMPARE(vials()->count(), 24);
        QCOMPARE(vials()->currentRow(), 0);
        QVERIFY(!child<QPushButton>("cmdPaste")->isEnabled());
        QVERIFY(!m_editor->findChild<QAction *>(QStringLiteral("mnPaste"))->isEnabled());
        QCOMPARE(m_data.programs[1], ProgramRecord::Empty()); // showing changes nothing
    }

    void choosingByTypedNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::newRow("seven") << "7" << "Program 07" << "Biopsy";
        QTest::newRow("three") << "3" << "Program 03" << "Routine";
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
        QCOMPARE(child<SpinBar>("VScroll2")->spinValue(), m_editor->currentProgram());
        QVERIFY(box("txtReadProgram")->text().size() <= 2);
    }

    void spinStepsAndWrapsAround()
    {
        auto *spin = child<SpinBar>("VScroll2");
        choose(QStringLiteral("7"));
        spin->stepUp();
        QCOMPARE(box("txtReadProgram")->text(), QStringLiteral("8"));
        QCOMPARE(frameCaption(), QStringLiteral("Program 08"));

        choose(QStringLiteral("99"));
        spin->stepUp();
        QCOMPARE(box("txtReadProgram")->text(), QStringLiteral("1"));
        QCOMPARE(spin->spinValue(), 1);
        QCOMPARE(frameCaption(), QStringLiteral("Program 01"));

        spin->stepDown();
        QCOMPARE(box("txtReadProgram")->text(), QStringLiteral("99"));
        QCOMPARE(spin->spinValue(), 99);
        QCOMPARE(frameCaption(), QStringLiteral("Program 99"));
    }

    void renamingStoresTheStoredForm()
    {
        choose(QStringLiteral("7"));
        QLineEdit *name = box("txtProgramName");
        name->selectAll();
        TypeText(name, QStringLiteral("Fixation 12h!"));
        QCOMPARE(m_data.programs[7].Name, QByteArray("Fixation 12h!"));
        TypeText(name, QStringLiteral("X")); // a 14th character cannot be typed
        QCOMPARE(m_data.programs[7].Name, QByteArray("Fixation 12h!"));

        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
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
        const QByteArray odd("A\x00\tB\x81\xFF  \x7F  C ", 13);
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
        QCOMPARE(type->currentText(), QStringLiteral("LM"));
        QCOMPARE(vials()->count(), 12);
        QCOMPARE(vials()->currentRow(), 11);
        QCOMPARE(m_data.programs[3].Type, 0);
        QCOMPARE(m_data.programs[3].Duration, 78); // 1 + ... + 12 minutes
        QCOMPARE(durationCaption(), QStringLiteral("Total Time: 01h 18min"));

        QTest::keyClick(type, Qt::Key_Down); // back to EM
        QCOMPARE(vials()->count(), 24);
        QCOMPARE(m_data.programs[3].Duration, 300);
        QCOMPARE(durationCaption(), QStringLiteral("Total Time: 05h 00min"));
        QCOMPARE(m_data.programs[3].Vials, before.Vials);
        for (int v = 13; v <= 24; ++v)
            QCOMPARE(vials()->item(v - 1)->text(), VialLineText(v, before.vial(v), m_data.reagents));
    }

    void storedDurationIsShownUntilRecomputed()
    {
        m_data.programs[4] = m_data.programs[3];
        m_data.programs[4].Duration = 7505;
        m_data.programs[5] = m_data.programs[3];
        m_data.programs[5].Duration = 7505;
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
        choose(QStringLiteral("3"));
        selectVial(3); // 37 degrees, pause 1, agitation 3, reagent 4
        QCOMPARE(child<QComboBox>("cbReagents")->currentIndex(), 3);
        QCOMPARE(box("txtHrs")->text(), QStringLiteral("0"));
        QCOMPARE(box("txtMin")->text(), QStringLiteral("03"));
        QCOMPARE(child<QComboBox>("cbAgit")->currentIndex(), 3);
        QVERIFY(child<QCheckBox>("chkPause")->isChecked());
        QVERIFY(child<QRadioButton>("opt_1")->isChecked());
        QVERIFY(box("txtDeg")->isEnabled());
        QCOMPARE(box("txtDeg")->text(), QStringLiteral("37"));

        selectVial(4); // heater off
        QVERIFY(child<QRadioButton>("opt_0")->isChecked());
        QVERIFY(!box("txtDeg")->isEnabled());
        QCOMPARE(box("txtDeg")->text(), QStringLiteral("--"));
        QVERIFY(!child<QCheckBox>("chkPause")->isChecked());
    }

    void okStoresClampedValues_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<bool>("heaterOn");
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<int>("storedHours");
        QTest::addColumn<int>("storedMinutes");
        QTest::addColumn<int>("storedTemp");
        QTest::addColumn<QString>("shownMinutes");
        QTest::newRow("plain") << "2" << "30" << true << "45" << 2 << 30 << 45 << "30";
        QTest::newRow("minutes 75 held at 59") << "1" << "75" << false << "" << 1 << 59 << 0 << "59";
        QTest::newRow("hours 99 kept") << "99" << "7" << false << "" << 99 << 7 << 0 << "07";
        QTest::newRow("empty fields") << "" << "" << false << "" << 0 << 0 << 0 << "00";
        QTest::newRow("heater on, nothing typed") << "0" << "5" << true << "" << 0 << 5 << 4 << "05";
        QTest::newRow("75 degrees held at 60") << "0" << "5" << true << "75" << 0 << 5 << 60 << "05";
        QTest::newRow("2 degrees raised to 4") << "0" << "5" << true << "2" << 0 << 5 << 4 << "05";
    }
    void okStoresClampedValues()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(bool, heaterOn);
        QFETCH(QString, degrees);
        QFETCH(int, storedHours);
        QFETCH(int, storedMinutes);
        QFETCH(int, storedTemp);
        QFETCH(QString, shownMinutes);

        choose(QStringLiteral("7"));
        selectVial(5);
        retype("txtHrs", hours);
        retype("txtMin", minutes);
        QTest::mouseClick(child<QRadioButton>(heaterOn ? "opt_1" : "opt_0"), Qt::LeftButton);
        if (heaterOn)
            retype("txtDeg", degrees);
        clickOk();

        const VialStep &vial = m_data.programs[7].vial(5);
        QCOMPARE(vial.Hrs, storedHours);
        QCOMPARE(vial.Min, storedMinutes);
        QCOMPARE(vial.Temp, storedTemp);
        QCOMPARE(vials()->currentRow(), 4);
        QCOMPARE(box("txtMin")->text(), shownMinutes);
        QCOMPARE(m_data.programs[7].Duration, CalculateDuration(m_data.programs[7]));
        QCOMPARE(durationCaption(), DurationCaption(m_data.programs[7].Duration));
        QCOMPARE(vials()->item(4)->text(), VialLineText(5, vial, m_data.reagents));
    }

    void pastedGarbageIsClampedOnOk_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("degrees");
        QTest::newRow("letters") << "zz" << 0 << 0 << 4;
        QTest::newRow("negative") << "-9" << -9 << 0 << 4;
        QTest::newRow("exponent cut by the length") << "9e9" << 9 << 9 << 9;
        QTest::newRow("point five") << ".5" << 0 << 0 << 4;
        QTest::newRow("control characters") << QStringLiteral("\x01\x02") << 0 << 0 << 4;
    }
    void pastedGarbageIsClampedOnOk()
    {
        QFETCH(QString, pasted);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, degrees);
        choose(QStringLiteral("7"));
        selectVial(3);
        QTest::mouseClick(child<QRadioButton>("opt_1"), Qt::LeftButton);
        QGuiApplication::clipboard()->setText(pasted);
        for (const char *name : {"txtHrs", "txtMin", "txtDeg"}) {
            QTest::mouseClick(box(name), Qt::LeftButton);
            QTest::keyClick(box(name), Qt::Key_V, Qt::ControlModifier);
        }
        clickOk();
        const VialStep &vial = m_data.programs[7].vial(3);
        QCOMPARE(vial.Hrs, hours);
        QCOMPARE(vial.Min, minutes);
        QCOMPARE(vial.Temp, degrees);
        QCOMPARE(m_data.programs[7].Duration, CalculateDuration(m_data.programs[7]));
    }

    void okTakesReagentAgitationAndPause()
    {
        choose(QStringLiteral("7"));
        selectVial(2);
        child<QComboBox>("cbReagents")->setCurrentIndex(199);
        child<QComboBox>("cbAgit")->setCurrentIndex(5);
        QTest::mouseClick(child<QCheckBox>("chkPause"), Qt::LeftButton);
        clickOk();
        const VialStep &vial = m_data.programs[7].vial(2);
        QCOMPARE(vial.Reagent, 200);
        QCOMPARE(vial.Agit, 5);
        QCOMPARE(vial.Pause, 1);
        QVERIFY(vials()->item(1)->text().endsWith(QStringLiteral(" PAUSE")));
        QVERIFY(vials()->item(0)->text().endsWith(QStringLiteral(" CONT")));
    }

    void enterPressesOk()
    {
        choose(QStringLiteral("7"));
        selectVial(6);
        retype("txtMin", QStringLiteral("42"));
        QTest::keyClick(box("txtMin"), Qt::Key_Return);
        QCOMPARE(m_data.programs[7].vial(6).Min, 42);
    }

    void editsAreLostWithoutOk()
    {
        choose(QStringLiteral("7"));
        selectVial(6);
        retype("txtMin", QStringLiteral("42"));
        selectVial(7);
        selectVial(6);
        QCOMPARE(box("txtMin")->text(), QStringLiteral("00"));
        QCOMPARE(m_data.programs[7].vial(6).Min, 0);
    }

    void valuesWiderThanTheBoxesSurviveOk()
    {
        // Data from the instrument or a file can hold what cannot be typed.
        m_data.programs[8].vial(1) = VialStep{0, 9, 0, 150, 5, 125};
        choose(QStringLiteral("8"));
        QCOMPARE(box("txtHrs")->text(), QStringLiteral("150"));
        QCOMPARE(box("txtDeg")->text(), QStringLiteral("125"));
        clickOk();
        const VialStep &vial = m_data.programs[8].vial(1);
        QCOMPARE(vial.Hrs, 150);
        QCOMPARE(vial.Reagent, 0); // no valid choice shown: kept
        QCOMPARE(vial.Agit, 9);
        QCOMPARE(vial.Temp, 60);   // clamped as typed temperatures are
    }

    void programCopyPaste()
    {
        ModalAnswers answers;
        choose(QStringLiteral("3"));
        QTest::mouseClick(child<QPushButton>("cmdCopy"), Qt::LeftButton);
        QVERIFY(child<QPushButton>("cmdPaste")->isEnabled());
        box("txtProgramName")->selectAll();
        TypeText(box("txtProgramName"), QStringLiteral("Renamed"));

        choose(QStringLiteral("7"));
        const ProgramRecord seven = m_data.programs[7];
        answers.click(QMessageBox::No);
        QTest::mouseClick(child<QPushButton>("cmdPaste"), Qt::LeftButton);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(m_data.programs[7], seven);
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("Paste Program"));
        QCOMPARE(answers.seen().at(0).text, QStringLiteral("Program07 (\"Biopsy\") will be overwritten. Are you sure?"));
        QCOMPARE(answers.seen().at(0).icon, QMessageBox::Question);

        answers.click(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>("cmdPaste"), Qt::LeftButton);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(m_data.programs[7], m_data.programs[3]);
        QCOMPARE(m_data.programs[7].Name, Stored("Renamed"));
        QCOMPARE(box("txtProgramName")->text(), QStringLiteral("Renamed"));
        QCOMPARE(vials()->count(), 24);

        choose(QStringLiteral("8")); // onto an empty program: empty quotes
        answers.click(QMessageBox::No);
        QTest::mouseClick(child<QPushButton>("cmdPaste"), Qt::LeftButton);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().last().text, QStringLiteral("Program08 (\"\") will be overwritten. Are you sure?"));
        QVERIFY(answers.unexpected().isEmpty());
    }

    void programDelete()
    {
        ModalAnswers answers;
        choose(QStringLiteral("7"));
        const ProgramRecord seven = m_data.programs[7];
        answers.click(QMessageBox::No);
        QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(m_data.programs[7], seven);
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("Delete Program"));
        QCOMPARE(answers.seen().at(0).text, QStringLiteral("Program07 (\"Biopsy\") will be deleted. Are you sure?"));

        answers.click(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(m_data.programs[7], ProgramRecord::Empty());
        QCOMPARE(box("txtProgramName")->text(), QString());
        QCOMPARE(child<QComboBox>("cbType")->currentText(), QStringLiteral("EM"));
        QCOMPARE(vials()->count(), 24);
        QCOMPARE(durationCaption(), QStringLiteral("Total Time: 00h 00min"));
        QVERIFY(vials()->item(23)->text().endsWith(QStringLiteral("AG0 00:00 --\u00B0C CONT")));
    }

    void vialCopyPasteDelete()
    {
        ModalAnswers answers;
        auto *copy = m_editor->findChild<QAction *>(QStringLiteral("mnCopy"));
        auto *paste = m_editor->findChild<QAction *>(QStringLiteral("mnPaste"));
        auto *remove = m_editor->findChild<QAction *>(QStringLiteral("mnDelete"));

        choose(QStringLiteral("3"));
        selectVial(20);
        copy->trigger();
        QVERIFY(paste->isEnabled());

        choose(QStringLiteral("7")); // LM: vial 20 of an EM program onto vial 4
        selectVial(4);
        answers.click(QMessageBox::No);
        paste->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("Paste Vial"));
        QCOMPARE(answers.seen().at(0).text, QStringLiteral("Vial04 (\"Reagent 014\") will be overwritten. Are you sure?"));
        QCOMPARE(m_data.programs[7].vial(4).Reagent, 14);

        answers.click(QMessageBox::Yes);
        paste->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(m_data.programs[7].vial(4), m_data.programs[3].vial(20));
        QCOMPARE(m_data.programs[7].Duration, 11 * 60 + 20);
        QCOMPARE(vials()->currentRow(), 3);

        selectVial(5);
        answers.click(QMessageBox::Yes);
        remove->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().last().title, QStringLiteral("Delete Vial"));
        QCOMPARE(answers.seen().last().text, QStringLiteral("Vial05 (\"Reagent 015\") will be deleted. Are you sure?"));
        QCOMPARE(m_data.programs[7].vial(5), VialStep::Blank());
        QCOMPARE(m_data.programs[7].vial(6).Reagent, 16); // nothing moved up
        QCOMPARE(m_data.programs[7].Duration, 10 * 60 + 20);
        QCOMPARE(vials()->item(4)->text(), QStringLiteral("Vial 05: Empty         AG0 00:00 --\u00B0C CONT"));
        QVERIFY(answers.unexpected().isEmpty());
    }

    void pastedVialIsTakenAtPasteTime()
    {
        ModalAnswers answers;
        choose(QStringLiteral("3"));
        selectVial(2);
        m_editor->findChild<QAction *>(QStringLiteral("mnCopy"))->trigger();
        answers.click(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton); // program 3 emptied
        QTRY_VERIFY(answers.allAnswered());
        choose(QStringLiteral("7"));
        selectVial(1);
        answers.click(QMessageBox::Yes);
        m_editor->findChild<QAction *>(QStringLiteral("mnPaste"))->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(m_data.programs[7].vial(1), VialStep::Blank());
    }

    void rightButtonOpensTheVialMenuWithoutSelecting()
    {
        choose(QStringLiteral("3"));
        selectVial(2);
        QWidget *viewport = vials()->viewport();
        const QPoint onVial6 = vials()->visualItemRect(vials()->item(5)).center();
        QTest::mousePress(viewport, Qt::RightButton, {}, onVial6);
        QTest::mouseRelease(viewport, Qt::RightButton, {}, onVial6);
        auto *menu = m_editor->findChild<QMenu *>(QStringLiteral("mnVial"));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->title(), QStringLiteral("VialPopup"));
        QCOMPARE(vials()->currentRow(), 1);
        menu->close();

        QTest::mouseClick(viewport, Qt::LeftButton, {}, onVial6);
        QCOMPARE(vials()->currentRow(), 5);
    }

    void progressDisplay()
    {
        auto *bar = child<QProgressBar>("pbPrograms");
        auto *percent = child<QLabel>("lblPercent2");
        QCOMPARE(percent->text(), QString());
        m_editor->setProgressMaximum(138);
        for (int i = 0; i < 69; ++i)
            m_editor->stepProgress();
        QCOMPARE(percent->text(), QStringLiteral("50%"));
        m_editor->setProgressMaximum(78);
        m_editor->resetProgress();
        QCOMPARE(bar->value(), 0);
        QCOMPARE(percent->text(), QString());
    }
};

QTEST_MAIN(TestProgramEditor)
#include "test_program_editor.moc"
