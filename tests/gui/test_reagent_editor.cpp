// The "Reagents" tab driven through its controls: the number selector, the
// list with its name box, and the send, copy, paste and delete requests.
#include "editor/ReagentEditor.h"
#include "editor/SpinBar.h"

#include "support/ModalAnswers.h"
#include "support/WidgetHelpers.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

class TestReagentEditor : public QObject
{
    Q_OBJECT

private:
    InstrumentData m_data;
    std::unique_ptr<ReagentEditor> m_editor;
    std::unique_ptr<QSignalSpy> m_sent;

    template<typename T = QWidget>
    T *child(const char *name) { return Child<T>(m_editor.get(), name); }
    QLineEdit *nameBox() { return child<QLineEdit>("txtReagent"); }
    QListWidget *list() { return child<QListWidget>("lsReagents"); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    // The sends requested so far: "5=Xylene       ".
    QStringList sent()
    {
        QStringList requests;
        for (const QList<QVariant> &request : *m_sent)
            requests.append(request.at(0).toString() + QLatin1Char('=') + QString::fromLatin1(request.at(1).toByteArray()));
        return requests;
    }

private Q_SLOTS:
    void init()
    {
        m_data = SampleData();
        m_editor = std::make_unique<ReagentEditor>(m_data);
        m_sent = std::make_unique<QSignalSpy>(m_editor.get(), &ReagentEditor::sendReagentRequested);
        m_editor->fillList();
        m_editor->selectReagent(1);
        m_editor->showNumberToRead();
        m_editor->resize(700, 600);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    void cleanup()
    {
        m_sent.reset();
        m_editor.reset();
    }

    void listShowsEveryReagentInFixedColumns()
    {
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
        QFETCH(QString, typed);
        QFETCH(int, reagent);
        QFETCH(QString, shown);
        auto *number = child<QLineEdit>("txtRead");
        Retype(number, QStringLiteral("50"));
        Retype(number, typed);
        QCOMPARE(m_editor->numberToRead(), reagent);
        QCOMPARE(child<SpinBar>("VScroll1")->spinValue(), reagent);
        QCOMPARE(number->text(), shown);
        QCOMPARE(list()->currentRow(), 0); // the selector does not select a line
    }

    void spinWrapsAround()
    {
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
        QVERIFY(!child<QAction>("mnReagentPaste")->isEnabled());
        m_editor->selectReagent(3);
        trigger("mnReagentCopy");
        QVERIFY(child<QAction>("mnReagentPaste")->isEnabled());
        m_data.reagents[3] = Stored("Renamed 3"); // a paste takes the name as it is then
        m_editor->selectReagent(9);
        trigger("mnReagentPaste");
        m_editor->selectReagent(10);
        trigger("mnReagentPaste"); // stays available
        m_editor->selectReagent(5);
        trigger("mnReagentDelete");
        QCOMPARE(sent(), QStringList({"9=Renamed 3    ", "10=Renamed 3    ", "5=             "}));
    }

    void renamingReagentOneAsksFirst()
    {
        const QString question = QStringLiteral("Are you sure?|Are you sure that you want to rename this reagent? It "
                                                "is used by the Corvex to designate an empty vial.|?");
        // On No nothing is sent; the box keeps what was typed, pasted or deleted.
        m_editor->selectReagent(3);
        trigger("mnReagentCopy");
        m_editor->selectReagent(1);
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
};

QTEST_MAIN(TestReagentEditor)
#include "test_reagent_editor.moc"
