// The small controls the editors are built from, driven as a user drives them.
#include "editor/ClickClearsField.h"
#include "editor/NameBox.h"
#include "editor/NumberKeyFilter.h"
#include "editor/Progress.h"
#include "editor/SpinBar.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "TypeText.h"

class TestEditorControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numberKeyFilterCodeRanges_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("discarded");
        // Every boundary of the discarded ranges 0-2, 4-7, 9-21, 23, 25-47, 58-255.
        const QList<std::pair<int, bool>> cases = {
            {0, true},   {2, true},    {3, false},  {4, true},   {7, true},   {8, false},  {9, true},
            {21, true},  {22, false},  {23, true},  {24, false}, {25, true},  {47, true},  {48, false},
            {57, false}, {58, true},   {255, true}, {256, false}, {8364, false}, {-1, false},
        };
        for (const auto &[code, discarded] : cases)
            QTest::addRow("code %d", code) << code << discarded;
    }
    void numberKeyFilterCodeRanges()
    {
        QFETCH(int, code);
        QFETCH(bool, discarded);
        QCOMPARE(NumberKeyFilter::Discards(code), discarded);
    }

    void numberBoxTakesDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits") << "42" << "42";
        QTest::newRow("letters dropped") << "a1b2" << "12";
        QTest::newRow("signs and points dropped") << "-1.5" << "15";
        QTest::newRow("blank dropped") << " 7 " << "7";
        QTest::newRow("accented letter dropped") << QString::fromUtf8("\u00e93") << "3";
        QTest::newRow("length limit") << "12345" << "12";
    }
    void numberBoxTakesDigitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QLineEdit box;
        box.setMaxLength(2);
        NumberKeyFilter::Install(&box);
        TypeText(&box, typed);
        QCOMPARE(box.text(), expected);
    }

    void numberBoxKeepsEditingAndClipboardKeys()
    {
        QLineEdit box;
        box.setMaxLength(3);
        NumberKeyFilter::Install(&box);
        QTest::keyClicks(&box, QStringLiteral("123"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("12"));
        QTest::keyClick(&box, Qt::Key_Left);
        // Delete as X11 sends it, with the control code DEL as its text.
        QTest::sendKeyEvent(QTest::Press, &box, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
        QCOMPARE(box.text(), QStringLiteral("1"));

        box.selectAll(); // Ctrl+A itself is a discarded code
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box.text(), QString());
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("1"));

        // Pasted text is not filtered; only the length limit applies.
        QGuiApplication::clipboard()->setText(QStringLiteral("x9yz"));
        box.clear();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("x9y"));
    }

    void numberBoxLetsEnterThrough()
    {
        QLineEdit box;
        NumberKeyFilter::Install(&box);
        QSignalSpy returned(&box, &QLineEdit::returnPressed);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(returned.count(), 1);
    }

    void spinBarUpArrowIncreases()
    {
        SpinBar spin(0, 100);
        QSignalSpy changed(&spin, &SpinBar::spinValueChanged);
        spin.setSpinValue(5);
        spin.stepUp();
        QCOMPARE(spin.spinValue(), 6);
        spin.stepDown();
        spin.stepDown();
        QCOMPARE(spin.spinValue(), 4);
        QCOMPARE(changed.count(), 4);
        QCOMPARE(changed.last().first().toInt(), 4);

        // The Up key and a click on the top arrow go the same way.
        spin.resize(17, 120);
        spin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&spin));
        QTest::keyClick(&spin, Qt::Key_Up);
        QCOMPARE(spin.spinValue(), 5);
        QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(8, 4));
        QCOMPARE(spin.spinValue(), 6);
        QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(8, 116));
        QCOMPARE(spin.spinValue(), 5);
    }

    void spinBarSettingTheSameValueIsSilent()
    {
        SpinBar spin(0, 201);
        spin.setSpinValue(7);
        QSignalSpy changed(&spin, &SpinBar::spinValueChanged);
        spin.setSpinValue(7);
        QCOMPARE(changed.count(), 0);
        spin.setSpinValue(300); // beyond the range: held at the top
        QCOMPARE(spin.spinValue(), 201);
    }

    void nameBoxTakesOnlyWhatCanBeStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Ethanol 70%" << "Ethanol 70%";
        QTest::newRow("thirteen at most") << "Paraffin wax bath" << "Paraffin wax ";
        QTest::newRow("code page letters") << QString::fromUtf8("Xyl\u00e8ne \u20ac\u0153") << QString::fromUtf8("Xyl\u00e8ne \u20ac\u0153");
        QTest::newRow("characters the code page lacks") << QString::fromUtf8("\u03b1-Ethanol\u2713") << "-Ethanol";
    }
    void nameBoxTakesOnlyWhatCanBeStored()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QLineEdit box;
        MakeNameBox(&box);
        TypeText(&box, typed);
        QCOMPARE(box.text(), expected);
    }

    void nameBoxRefusesAPasteItCannotStore()
    {
        QLineEdit box;
        MakeNameBox(&box);
        QTest::keyClicks(&box, QStringLiteral("Formalin"));
        QGuiApplication::clipboard()->setText(QString::fromUtf8(" \u2713"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("Formalin"));
    }

    void clickEmptiesTheFieldAndRestoresTheTypedLimit()
    {
        QLineEdit box;
        ClickClearsField::Install(&box, 2);
        ShowWholeText(&box, QStringLiteral("150"), 2);
        QCOMPARE(box.text(), QStringLiteral("150"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(&box, Qt::LeftButton);
        QCOMPARE(box.text(), QString());
        QTest::keyClicks(&box, QStringLiteral("123"));
        QCOMPARE(box.text(), QStringLiteral("12"));

        box.setText(QStringLiteral("45"));
        box.setEnabled(false);
        QTest::mouseClick(&box, Qt::LeftButton);
        QCOMPARE(box.text(), QStringLiteral("45"));
    }

    void percentText_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first of 138") << 1 << 138 << "0%";
        QTest::newRow("69th of 138") << 69 << 138 << "50%";
        QTest::newRow("last") << 138 << 138 << "100%";
        QTest::newRow("reagent 2 of 200") << 2 << 200 << "1%";
        QTest::newRow("no maximum") << 3 << 0 << "0%";
    }
    void percentText()
    {
        QFETCH(int, value);
        QFETCH(int, maximum);
        QFETCH(QString, expected);
        QCOMPARE(PercentText(value, maximum), expected);
    }
};

QTEST_MAIN(TestEditorControls)
#include "test_editor_controls.moc"
