#include "link/SerialLink.h"
#include "support/FakePort.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using Ending = TransactionResult::Ending;

Q_DECLARE_METATYPE(Ending)

// The transaction over an in-process port: resends, time-out, re-entry.
class TestSerialLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakePort> m_port;
    std::unique_ptr<SerialLink> m_link;

    // Answers the n-th line written with the n-th answer; "<unplug>" and
    // "<close>" take the port away while the transaction waits.
    FakePort::Responder script(const QByteArrayList &answers)
    {
        auto lines = std::make_shared<qsizetype>(0);
        return [this, lines, answers](const QByteArray &) -> QByteArray {
            const QByteArray answer = answers.value((*lines)++);
            if (answer == "<unplug>" || answer == "<close>") {
                QTimer::singleShot(0, m_port.get(), [this, answer] { answer == "<unplug>" ? m_port->unplug() : m_port->close(); });
                return {};
            }
            return answer;
        };
    }

private Q_SLOTS:
    void init()
    {
        m_port = std::make_unique<FakePort>();
        m_link = std::make_unique<SerialLink>(*m_port);
        m_link->setTickInterval(20ms);
        QVERIFY(m_port->open());
    }

    void cleanup()
    {
        m_link.reset();
        m_port.reset();
    }

    void timerIsNamedAndTicksEachSecondByDefault()
    {
        FakePort port;
        SerialLink link(port);
        auto *timer = link.findChild<QTimer *>(QStringLiteral("tmTimeOut"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!timer->isActive());
    }

    void transactions_data()
    {
        QTest::addColumn<QByteArrayList>("answers");
        QTest::addColumn<int>("lines");       // lines written
        QTest::addColumn<QByteArray>("reply"); // the caller's reply
        QTest::addColumn<QByteArray>("buffer"); // ReplyBuffer afterwards
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<int>("resends");     // ResendCount afterwards

        const QByteArray substitute = "?12500000000";
        const QByteArray reply = "?125,2000,41";
        const auto row = [](const char *name, const QByteArrayList &answers, int lines, const QByteArray &reply,
                            const QByteArray &buffer, Ending ending, int resends) {
            QTest::newRow(name) << answers << lines << reply << buffer << ending << resends;
        };
        row("answered at once", {"?125,2000,41\r\n"}, 1, reply, reply, Ending::Answered, 0);
        row("answer to the third line", {"", "", "?125,2000,41\r"}, 3, reply, reply, Ending::Answered, 2);
        row("answer to the sixth line", {"", "", "", "", "", "?125,2000,41\r"}, 6, reply, reply, Ending::Answered, 5);
        row("silent: six lines, then the substitute", {}, 6, substitute, substitute, Ending::TimedOut, 6);
        row("wrong prefix never completes", QByteArrayList(6, "?126,2000,41\r"), 6, substitute, substitute,
            Ending::TimedOut, 6);
        // Only a reply that begins after the last write counts.
        row("each resend empties the buffer", {"?125,20", "00,41\r", "?125,2000,42\r"}, 3, "?125,2000,42",
            "?125,2000,42", Ending::Answered, 2);
        row("characters after the completing CR stay out of the reply", {"?125,2000,41\r\nZZ"}, 1, reply,
            "?125,2000,41ZZ", Ending::Answered, 0);
        row("a chattering line times out", {QByteArray(10'000, 'x')}, 6, substitute, substitute, Ending::TimedOut, 6);
        row("unplugged while waiting", {"<unplug>"}, 1, substitute, substitute, Ending::PortClosed, 0);
        row("closed while waiting: ends at the next tick", {"<close>"}, 1, substitute, substitute, Ending::PortClosed, 0);
        row("closed before: nothing written, no wait", {"<closed>"}, 0, substitute, substitute, Ending::PortClosed, 0);
    }

    void transactions()
    {
        QFETCH(QByteArrayList, answers);
        QFETCH(int, lines);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, buffer);
        QFETCH(Ending, ending);
        QFETCH(int, resends);

        m_port->setResponder(script(answers));
        if (answers.value(0) == "<closed>")
            m_port->close();
        if (answers.value(0) == "<closed>" || answers.value(0) == "<unplug>")
            m_link->setTickInterval(1h); // what ends these is no time-out
        const TransactionResult result = m_link->SendCommand("25,2000");
        QCOMPARE(m_port->written, QByteArrayList(lines, "!125,2000\r"));
        QCOMPARE(result.reply, reply);
        QCOMPARE(m_link->ReplyBuffer(), buffer);
        QCOMPARE(result.ending, ending);
        QCOMPARE(m_link->LastTimedOut(), ending != Ending::Answered);
        QCOMPARE(m_link->ResendCount(), resends);
        QCOMPARE(m_link->SentLine(), QByteArray("!125,2000\r"));
        QCOMPARE(m_link->ExpectedPrefix(), QByteArray("?125"));
        QVERIFY(m_link->ReplyBuffer().size() <= ReplyBufferLimit);
        QVERIFY(!m_link->isPending());

        // The next transaction starts afresh.
        m_port->open();
        m_port->setResponder(script({"?1F1,4178-305\r"}));
        QCOMPARE(m_link->SendCommand("F1").reply, QByteArray("?1F1,4178-305"));
    }

    void commandFromInsideTheWaitRunsAfterThePendingOne()
    {
        m_port->setResponder([](const QByteArray &line) -> QByteArray {
            return line == "!1F1\r" ? "?1F1,4178-305\r\n" : "?125,2000,41\r\n";
        });
        TransactionResult nested;
        bool startedWhilePending = false;
        QTimer::singleShot(0, m_link.get(), [&] {
            startedWhilePending = m_link->isPending();
            nested = m_link->SendCommand("F1");
        });
        QSignalSpy ended(m_link.get(), &SerialLink::transactionEnded);

        const TransactionResult first = m_link->SendCommand("25,2000");
        QVERIFY(startedWhilePending);
        QCOMPARE(m_port->written, (QByteArrayList{"!125,2000\r", "!1F1\r"}));
        QCOMPARE(nested.reply, QByteArray("?1F1,4178-305"));
        QCOMPARE(first.reply, QByteArray("?125,2000,41"));
        QCOMPARE(first.ending, Ending::Answered);
        // The shared buffer holds the later transaction's reply.
        QCOMPARE(m_link->ReplyBuffer(), QByteArray("?1F1,4178-305"));
        QCOMPARE(ended.count(), 2);
    }

    void applicationQuittingEndsThePendingTransaction()
    {
        // Once the application is told to quit, no nested event loop runs any
        // more; the wait must end instead of spinning.
        QTimer::singleShot(5ms, [] { QCoreApplication::exit(0); });
        const TransactionResult result = m_link->SendCommand("25,2000");
        QCOMPARE(result.ending, Ending::PortClosed);
        QVERIFY(!m_link->isPending());
        // A short run of the application's own loop clears the quit state for the next tests.
        QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        QCoreApplication::exec();
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"
