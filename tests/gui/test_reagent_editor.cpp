// The "Reagents" tab driven through its controls: the number selector, the
// list with its name box, and the send, copy, paste and delete requests.
#include "editor/ReagentEditor.h"
#include "editor/SpinBar.h"

#include "EditorFixture.h"
#include "ModalAnswers.h"
#include "TypeText.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestReagentEditor : public QObject
{
    Q_OBJECT

private:
    InstrumentData m_data;
    std::unique_ptr<ReagentEditor> m_editor;

    template<typename T>
    T *child(const char *name)
    {
        T *found = m_editor->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *numberBox() { return child<QLineEdit>("txtRead"); }
    QLineEdit *nameBox() { return child<QLineEdit>("txtReagent"); }
    QListWidget *list() { return child<QListWidget>("lsReagents"); }
    QAction *action(const char *name) { return m_editor->findChild<QAction *>(QLatin1String(name)); }
    void typeNumber(const QString &text)
    {
        numberBox()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(numberBox(), Qt::Key_Backspace);
        else
            TypeText(numberBox(), text);
    }
    void typeName(const QString &text)
    {
        nameBox()->selectAll();
        QTest::keyClick(nameBox(), Qt::Key_Backspace);
        TypeText(nameBox(), text);
    }

private Q_SLOTS:
    void init()
    {
        m_data = SampleData();
        m_editor = std::make_unique<ReagentEditor>(m_data);
        m_editor->fillList();
        m_editor->selectReagent(1);
        m_editor->showNumberToRead();
        m_editor->resize(700, 600);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    void cleanup() { m_editor.reset(); }

    void listShowsEveryReagentInFixedColumns()
    {
        QCOMPARE(list()->count(), 200);
        QCOMPARE(list()->item(0)->text(), QStringLiteral("Reagent 001: \"Empty        \""));
        QCOMPARE(list()->item(199)->text(), QStringLiteral("Reagent 200: \"Reagent 200  \""));
        const QFontMetrics metrics(list()->font());
        QVERIFY(QFontInfo(list()->font()).fixedPitch());
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
        QFETCH(QString, typed);
        QFETCH(int, reagent);
        QFETCH(QString, shown);
        typeNumber(QStringLiteral("50"));
        typeNumber(typed);
        QCOMPARE(m_editor->numberToRead(), reagent);
        QCOMPARE(child<SpinBar>("VScroll1")->spinValue(), reagent);
        QCOMPARE(numberBox()->text(), shown);
        QCOMPARE(list()->currentRow(), 0); // the selector does not select a line
    }

    void spinWrapsAround()
    {
        auto *spin = child<SpinBar>("VScroll1");
        typeNumber(QStringLiteral("200"));
        spin->stepUp();
        QCOMPARE(numberBox()->text(), QStringLiteral("1"));
        QCOMPARE(spin->spinValue(), 1);
        spin->stepDown();
        QCOMPARE(numberBox()->text(), QStringLiteral("200"));
        spin->stepDown();
        QCOMPARE(numberBox()->text(), QStringLiteral("199"));
    }

    void selectingALineFillsTheNameBox()
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(6)).center());
        QCOMPARE(child<QLabel>("lblReagents")->text(), QStringLiteral("Reagent 007:"));
        QCOMPARE(nameBox()->text(), QStringLiteral("Reagent 007"));
        QVERIFY(nameBox()->hasFocus());
    }

    void sendRequestsTheTypedName()
    {
        QSignalSpy send(m_editor.get(), &ReagentEditor::sendReagentRequested);
        m_editor->selectReagent(5);
        typeName(QStringLiteral("Xylene"));
        QCOMPARE(m_data.reagents[5], Stored("Reagent 005")); // typing changes nothing yet
        QTest::mouseClick(child<QPushButton>("cmdSend"), Qt::LeftButton);
        QCOMPARE(send.count(), 1);
        QCOMPARE(send.at(0).at(0).toInt(), 5);
        QCOMPARE(send.at(0).at(1).toByteArray(), QByteArray("Xylene       "));
    }

    void renamingReagentOneAsksFirst()
    {
        ModalAnswers answers;
        QSignalSpy send(m_editor.get(), &ReagentEditor::sendReagentRequested);
        m_editor->selectReagent(1);
        typeName(QStringLiteral("Nothing"));
        answers.click(QMessageBox::No);
        QTest::mouseClick(child<QPushButton>("cmdSend"), Qt::LeftButton);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(send.count(), 0);
        QCOMPARE(answers.seen().at(0).title, QStringLiteral("Are you sure?"));
        QCOMPARE(answers.seen().at(0).text, QStringLiteral("Are you sure that you want to rename this reagent? It is "
                                                           "used by the Corvex to designate an empty vial."));
        QCOMPARE(nameBox()->text(), QStringLiteral("Nothing"));

        answers.click(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>("cmdSend"), Qt::LeftButton);
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(send.count(), 1);
        QCOMPARE(send.at(0).at(1).toByteArray(), Stored("Nothing"));
    }

    void copyPasteTakesTheNameAtPasteTime()
    {
        QSignalSpy send(m_editor.get(), &ReagentEditor::sendReagentRequested);
        QVERIFY(!action("mnReagentPaste")->isEnabled());
        m_editor->selectReagent(3);
        action("mnReagentCopy")->trigger();
        QVERIFY(action("mnReagentPaste")->isEnabled());
        m_data.reagents[3] = Stored("Renamed 3");
        m_editor->selectReagent(9);
        action("mnReagentPaste")->trigger();
        QCOMPARE(send.count(), 1);
        QCOMPARE(send.at(0).at(0).toInt(), 9);
        QCOMPARE(send.at(0).at(1).toByteArray(), Stored("Renamed 3"));
        m_editor->selectReagent(10);
        action("mnReagentPaste")->trigger(); // stays available
        QCOMPARE(send.count(), 2);
    }

    void deleteRequestsABlankName()
    {
        ModalAnswers answers;
        QSignalSpy send(m_editor.get(), &ReagentEditor::sendReagentRequested);
        m_editor->selectReagent(5);
        action("mnReagentDelete")->trigger();
        QCOMPARE(send.count(), 1);
        QCOMPARE(send.at(0).at(1).toByteArray(), QByteArray(13, ' '));

        m_editor->selectReagent(1); // reagent 1 asks; No leaves the box empty
        answers.click(QMessageBox::No);
        action("mnReagentDelete")->trigger();
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(send.count(), 1);
        QCOMPARE(nameBox()->text(), QString());
    }

    void refreshedLineIsSelected()
    {
        m_data.reagents[5] = Stored("Formalin");
        m_editor->refreshLine(5);
        QCOMPARE(list()->item(4)->text(), QStringLiteral("Reagent 005: \"Formalin     \""));
        QCOMPARE(list()->currentRow(), 4);
        QCOMPARE(nameBox()->text(), QStringLiteral("Formalin"));
        QCOMPARE(list()->item(3)->text(), QStringLiteral("Reagent 004: \"Reagent 004  \""));
    }

    void rightButtonOpensTheMenuWithoutSelecting()
    {
        m_editor->selectReagent(2);
        const QPoint onLine5 = list()->visualItemRect(list()->item(4)).center();
        QTest::mousePress(list()->viewport(), Qt::RightButton, {}, onLine5);
        QTest::mouseRelease(list()->viewport(), Qt::RightButton, {}, onLine5);
        auto *menu = m_editor->findChild<QMenu *>(QStringLiteral("mnReagent"));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->title(), QStringLiteral("ReagentPopup"));
        QCOMPARE(list()->currentRow(), 1);
        menu->close();
    }

    void readAllButtonStartsAndStops()
    {
        QSignalSpy start(m_editor.get(), &ReagentEditor::readAllRequested);
        QSignalSpy stop(m_editor.get(), &ReagentEditor::stopReadAllRequested);
        auto *button = child<QPushButton>("cmdReadAllReagents");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(start.count(), 1);
        m_editor->setReadAllRunning(true);
        QCOMPARE(button->text(), QStringLiteral("Stop"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(stop.count(), 1);
        QCOMPARE(start.count(), 1);

        m_editor->setReadAllProgress(2);
        QCOMPARE(child<QLabel>("lblPercent")->text(), QStringLiteral("1%"));
        m_editor->resetReadAllProgress();
        QCOMPARE(child<QProgressBar>("pbReagents")->value(), 1);
        QCOMPARE(child<QLabel>("lblPercent")->text(), QString());
    }
};

QTEST_MAIN(TestReagentEditor)
#include "test_reagent_editor.moc"
