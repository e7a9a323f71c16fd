// The small controls the editors are built from, driven as a user drives them.
#include "editor/NameBox.h"
#include "editor/NumberKeyFilter.h"
#include "editor/Progress.h"
#include "editor/SpinBar.h"

#include "support/WidgetHelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>

class TestEditorControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_MAIN(TestEditorControls)
#include "test_editor_controls.moc"
