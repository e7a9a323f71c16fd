#include "link/SerialLink.h"
#include "support/FakePort.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using Ending = TransactionResult::Ending;

// The transaction over an in-process port: resends, time-out, re-entry.
class TestSerialLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakePort> m_port;
    std::unique_ptr<SerialLink> m_link;

    // Answers only the n-th line written (1-based), with `reply`.
    static FakePort::Responder answerLine(int n, QByteArray reply)
    {
        auto count = std::make_shared<int>(0);
        return [count, n, reply](const QByteArray &) { return ++*count == n ? reply : QByteArray(); };
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

    void timerIsNamedAndTicksEachSecondByDefault()
    {
        FakePort port;
        SerialLink link(port);
        auto *timer = link.findChild<QTimer *>(QStringLiteral("tmTimeOut"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!timer->isActive());
    }

    void answeredTransaction()
    {
        m_port->setResponder([](const QByteArray &) { return QByteArray("?125,2000,41\r\n"); });
        const TransactionResult result = m_link->SendCommand("25,2000");
        QCOMPARE(result.reply, QByteArray("?125,2000,41"));
        QCOMPARE(result.ending, Ending::Answered);
        QCOMPARE(m_port->written, QByteArrayList{"!125,2000\r"});
        QCOMPARE(m_link->SentLine(), QByteArray("!125,2000\r"));
        QCOMPARE(m_link->ExpectedPrefix(), QByteArray("?125"));
        QCOMPARE(m_link->ResendCount(), 0);
        QVERIFY(!m_link->isPending());
        QVERIFY(!m_link->LastTimedOut());
    }

    void replyInPiecesCompletesOnItsCR()
    {
        m_port->setResponder([this](const QByteArray &) {
            for (const char *piece : {"xx?1", "25,2", "000,", "4", "1\r", "\n"})
                QTimer::singleShot(0, m_port.get(), [this, piece] { m_port->receive(piece); });
            return QByteArray();
        });
        QCOMPARE(m_link->SendCommand("25,2000").reply, QByteArray("?125,2000,41"));
        QCOMPARE(m_port->written.size(), 1);
    }

    void resendsOnEachTickAndGivesUpAfterTheSixth_data()
    {
        QTest::addColumn<FakePort::Responder>("responder");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("timedOut");

        QTest::newRow("silent") << FakePort::Responder() << 6 << QByteArray("?12500000000") << true;
        QTest::newRow("answer to the third line") << answerLine(3, "?125,2000,07\r") << 3 << QByteArray("?125,2000,07") << false;
        QTest::newRow("answer to the sixth line") << answerLine(6, "?125,2000,07\r") << 6 << QByteArray("?125,2000,07") << false;
        QTest::newRow("wrong prefix never completes")
            << FakePort::Responder([](const QByteArray &) { return QByteArray("?126,2000,07\r"); }) << 6
            << QByteArray("?12500000000") << true;
    }

    void resendsOnEachTickAndGivesUpAfterTheSixth()
    {
        QFETCH(FakePort::Responder, responder);
        QFETCH(int, lines);
        QFETCH(QByteArray, reply);
        QFETCH(bool, timedOut);

        m_port->setResponder(responder);
        const TransactionResult result = m_link->SendCommand("25,2000");
        QCOMPARE(m_port->written, QByteArrayList(lines, "!125,2000\r"));
        QCOMPARE(result.reply, reply);
        QCOMPARE(m_link->ReplyBuffer(), reply);
        QCOMPARE(result.ending, timedOut ? Ending::TimedOut : Ending::Answered);
        QCOMPARE(m_link->LastTimedOut(), timedOut);
        QCOMPARE(m_link->ResendCount(), lines - 1 + (timedOut ? 1 : 0));
        QVERIFY(!m_link->isPending());
    }

    void eachResendEmptiesTheBuffer()
    {
        // The start of a reply to the first line and its end after the resend
        // do not make a reply; only a reply that begins after a write counts.
        auto count = std::make_shared<int>(0);
        m_port->setResponder([count](const QByteArray &) -> QByteArray {
            switch (++*count) {
            case 1: return "?125,20";
            case 2: return "00,41\r";
            default: return "?125,2000,42\r";
            }
        });
        QCOMPARE(m_link->SendCommand("25,2000").reply, QByteArray("?125,2000,42"));
        QCOMPARE(m_port->written.size(), 3);
    }

    void charactersAfterTheCompletingCRDoNotChangeTheCallersReply()
    {
        m_port->setResponder([](const QByteArray &) { return QByteArray("?125,2000,41\r\nZZ"); });
        QCOMPARE(m_link->SendCommand("25,2000").reply, QByteArray("?125,2000,41"));
        QCOMPARE(m_link->ReplyBuffer(), QByteArray("?125,2000,41ZZ"));

        // The next transaction starts from an empty buffer.
        m_port->setResponder([](const QByteArray &) { return QByteArray("?1F1,4178-305\r"); });
        QCOMPARE(m_link->SendCommand("F1").reply, QByteArray("?1F1,4178-305"));
    }

    void closedPortEndsAtOnceWithTheSubstitute()
    {
        m_link->setTickInterval(1h);
        m_port->close();
        const TransactionResult result = m_link->SendCommand("F1");
        QCOMPARE(result.ending, Ending::PortClosed);
        QCOMPARE(result.reply, QByteArray("?1F100000000"));
        QCOMPARE(m_link->ReplyBuffer(), QByteArray("?1F100000000"));
        QVERIFY(m_port->written.isEmpty());
        QVERIFY(m_link->LastTimedOut());
        QVERIFY(!m_link->isPending());
    }

    void lostPortEndsThePendingTransaction()
    {
        m_link->setTickInterval(1h);
        m_port->setResponder([this](const QByteArray &) {
            QTimer::singleShot(0, m_port.get(), [this] { m_port->unplug(); });
            return QByteArray();
        });
        const TransactionResult result = m_link->SendCommand("25,1000");
        QCOMPARE(result.ending, Ending::PortClosed);
        QCOMPARE(result.reply, QByteArray("?12500000000"));
        QCOMPARE(m_port->written.size(), 1);
    }

    void portClosedDuringTheWaitEndsOnTheNextTick()
    {
        m_port->setResponder([this](const QByteArray &) {
            QTimer::singleShot(0, m_port.get(), [this] { m_port->close(); });
            return QByteArray();
        });
        const TransactionResult result = m_link->SendCommand("25,1000");
        QCOMPARE(result.ending, Ending::PortClosed);
        QCOMPARE(m_port->written.size(), 1);
        QCOMPARE(m_link->ResendCount(), 0);
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

    void chatteringLineStaysBounded()
    {
        m_port->setResponder([](const QByteArray &) { return QByteArray(10'000, 'x'); });
        const TransactionResult result = m_link->SendCommand("25,2000");
        QCOMPARE(result.ending, Ending::TimedOut);
        m_port->receive(QByteArray(10'000, 'y'));
        QVERIFY(m_link->ReplyBuffer().size() <= ReplyBufferLimit);
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"
