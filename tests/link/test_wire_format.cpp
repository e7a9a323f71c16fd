#include "link/DeviceConnection.h"
#include "link/HexFormat.h"
#include "link/MemoryCommands.h"
#include "link/ReceiveRules.h"
#include "link/SerialLink.h"
#include "support/FakePort.h"

#include <QSignalSpy>

#include <QTest>

namespace {

// A link on an in-process port that answers each transaction with the next
// scripted reply (the last one repeats). "TIMEOUT" stays silent through the
// six lines of a transaction; "CLOSED" (alone) leaves the port closed.
class ScriptedLink
{
public:
    explicit ScriptedLink(QByteArrayList replies)
        : m_replies(std::move(replies))
    {
        m_link.setTickInterval(std::chrono::milliseconds(20));
        if (m_replies != QByteArrayList{"CLOSED"})
            m_port.open();
        m_port.setResponder([this](const QByteArray &line) -> QByteArray {
            if (m_silentLines == 0)
                commands << line.mid(2, line.size() - 3);
            const QByteArray scripted = m_replies.at(std::min(m_transaction, m_replies.size() - 1));
            if (scripted == "TIMEOUT") {
                if (++m_silentLines == SerialLink::MaxTicks) {
                    m_silentLines = 0;
                    ++m_transaction;
                }
                return {};
            }
            ++m_transaction;
            // Delivered before any tick could come.
            QMetaObject::invokeMethod(&m_port, [this, scripted] { m_port.receive(scripted + "\r"); }, Qt::QueuedConnection);
            return {};
        });
    }

    // Runs a memory reply to its end.
    static MemoryReply &finished(MemoryReply *reply)
    {
        QSignalSpy done(reply, &MemoryReply::finished);
        done.wait(30'000);
        return *reply;
    }

    FakePort m_port;
    SerialLink m_link{m_port};
    QByteArrayList commands;

private:
    QByteArrayList m_replies;
    qsizetype m_transaction = 0;
    int m_silentLines = 0;
};

} // namespace

Q_DECLARE_METATYPE(MemoryFault)

// Framing, recognition and field checks of the wire format, and the memory
// commands' attempts, without a port.
class TestWireFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void receiveRules_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArrayList>("batches");
        QTest::addColumn<QByteArray>("buffer");    // ReplyBuffer afterwards
        QTest::addColumn<QByteArray>("completed"); // reply at the completing CR; empty: none

        const QByteArray read = "25,2000";
        QTest::newRow("noise before the reply, LF after CR")
            << read << QByteArrayList{"xx?125,2000,41\r\n"} << QByteArray("?125,2000,41") << QByteArray("?125,2000,41");
        QTest::newRow("reply split over receive events")
            << read << QByteArrayList{"?1", "25,20", "00,4", "1", "\r"} << QByteArray("?125,2000,41")
            << QByteArray("?125,2000,41");
        QTest::newRow("character by character with LF in the middle")
            << read << QByteArrayList{"?", "1", "2", "\n", "5", ",", "\r"} << QByteArray("?125,") << QByteArray("?125,");
        QTest::newRow("second question mark restarts")
            << read << QByteArrayList{"?125,20?125,2000,4A\r"} << QByteArray("?125,2000,4A") << QByteArray("?125,2000,4A");
        QTest::newRow("CR of another command's reply is stored")
            << QByteArray("25,1000") << QByteArrayList{"?126,10\r"} << QByteArray("?126,10\r") << QByteArray();
        QTest::newRow("CR before any reply is stored")
            << read << QByteArrayList{"\r"} << QByteArray("\r") << QByteArray();
        QTest::newRow("characters after a completing CR are appended")
            << read << QByteArrayList{"?125,2000,41\r\nZ"} << QByteArray("?125,2000,41Z") << QByteArray("?125,2000,41");
        QTest::newRow("a reply after a completed one restarts the buffer")
            << read << QByteArrayList{"?125,2000,41\r?125,2000,42\r"} << QByteArray("?125,2000,42")
            << QByteArray("?125,2000,41");
        QTest::newRow("one-character command: exact reply completes")
            << QByteArray("X") << QByteArrayList{"?1X\r"} << QByteArray("?1X") << QByteArray("?1X");
        QTest::newRow("one-character command: longer reply does not")
            << QByteArray("X") << QByteArrayList{"?1XY\r"} << QByteArray("?1XY\r") << QByteArray();
        QTest::newRow("NUL bytes are characters")
            << read << QByteArrayList{QByteArray("?125,2000,\0\0\r", 13)} << QByteArray("?125,2000,\0\0", 12)
            << QByteArray("?125,2000,\0\0", 12);
    }

    void receiveRules()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArrayList, batches);
        QFETCH(QByteArray, buffer);
        QFETCH(QByteArray, completed);

        ReceiveState state{{}, ExpectedPrefixFor(command)};
        std::optional<QByteArray> first;
        for (const QByteArray &batch : batches) {
            const auto reply = ReceiveCharacters(state, batch);
            if (reply && !first)
                first = reply;
        }
        QCOMPARE(state.ReplyBuffer, buffer);
        QCOMPARE(first.has_value(), !completed.isEmpty());
        if (first)
            QCOMPARE(*first, completed);
    }

    void chatterIsBoundedButValidRepliesStillComplete()
    {
        ReceiveState state{{}, ExpectedPrefixFor("25,2000")};
        const QByteArray chatter(100'000, 'x');
        QVERIFY(!ReceiveCharacters(state, chatter));
        QCOMPARE(state.ReplyBuffer.size(), ReplyBufferLimit);

        // A long reply keeps its start, so it is still recognised by it.
        QVERIFY(!ReceiveCharacters(state, "?125,2000,41" + chatter));
        QCOMPARE(state.ReplyBuffer.size(), ReplyBufferLimit);
        QVERIFY(ReceiveCharacters(state, "\r"));

        QCOMPARE(ReceiveCharacters(state, "?125,2000,41\r").value(), QByteArray("?125,2000,41"));
    }

    void commandFraming()
    {
        // The bytes of a read of 2000 hex on the wire.
        QCOMPARE(CommandLine(ReadCommandText(0x2000)).toHex(' '), QByteArray("21 31 32 35 2c 32 30 30 30 0d"));
        QCOMPARE(ExpectedPrefixFor(""), QByteArray("?1"));
    }

    void hexRoutines_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("hex2");
        QTest::addColumn<QByteArray>("hex4");
        QTest::addColumn<QByteArray>("hex8");

        QTest::newRow("65") << 65 << QByteArray("41") << QByteArray("0041") << QByteArray("00000041");
        QTest::newRow("256") << 256 << QByteArray("00") << QByteArray("0100") << QByteArray("00000100");
        QTest::newRow("4096") << 4096 << QByteArray("00") << QByteArray("1000") << QByteArray("00001000");
        QTest::newRow("90") << 90 << QByteArray("5A") << QByteArray("005A") << QByteArray("0000005A");
        QTest::newRow("-1") << -1 << QByteArray("FF") << QByteArray("FFFF") << QByteArray("FFFFFFFF");
        QTest::newRow("int min") << std::numeric_limits<int>::min() << QByteArray("00") << QByteArray("0000")
                                 << QByteArray("80000000");
    }

    void hexRoutines()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, hex2);
        QFETCH(QByteArray, hex4);
        QFETCH(QByteArray, hex8);
        QCOMPARE(hexDigits(value, 2), hex2);
        QCOMPARE(hexDigits(value, 4), hex4);
        QCOMPARE(hexDigits(value, 8), hex8);
    }

    void replyFields_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("addressMatches");
        QTest::addColumn<bool>("hasValue");
        QTest::addColumn<int>("value");

        QTest::newRow("read reply") << QByteArray("?125,2000,4A") << 0x2000 << true << true << 74;
        QTest::newRow("wrong address") << QByteArray("?125,2001,4A") << 0x2000 << false << true << 74;
        QTest::newRow("lower-case address does not match") << QByteArray("?125,1a1b,41") << 0x1A1B << false << true << 65;
        QTest::newRow("lower-case value is a number") << QByteArray("?125,1A1B,4a") << 0x1A1B << true << true << 74;
        QTest::newRow("substitute matches address 0") << QByteArray("?12500000000") << 0 << true << true << 0;
        QTest::newRow("value missing") << QByteArray("?125,2000,") << 0x2000 << true << false << 0;
        QTest::newRow("value not hex") << QByteArray("?125,2000,4G") << 0x2000 << true << false << 0;
        QTest::newRow("value with CR appended") << QByteArray("?125,2000,41\r") << 0x2000 << true << false << 0;
        QTest::newRow("three digits") << QByteArray("?125,2000,141") << 0x2000 << true << true << 0x141;
        QTest::newRow("eight digits") << QByteArray("?125,2000,FFFFFFFF") << 0x2000 << true << true << -1;
        QTest::newRow("nine digits") << QByteArray("?125,2000,100000000") << 0x2000 << true << false << 0;
        QTest::newRow("short") << QByteArray("?125,20") << 0x2000 << false << false << 0;
        QTest::newRow("empty") << QByteArray() << 0 << false << false << 0;
        QTest::newRow("separators are not checked") << QByteArray("?125x2000y41") << 0x2000 << true << true << 0x41;
    }

    void replyFields()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, address);
        QFETCH(bool, addressMatches);
        QFETCH(bool, hasValue);
        QFETCH(int, value);
        QCOMPARE(ReplyAddressMatches(reply, address), addressMatches);
        QCOMPARE(ReplyValue(reply).has_value(), hasValue);
        if (hasValue)
            QCOMPARE(*ReplyValue(reply), value);
    }

    void identification_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("identifies");
        QTest::newRow("exact") << QByteArray("?1F1,4178-305") << true;
        QTest::newRow("other separator") << QByteArray("?1F1:4178-305") << true;
        QTest::newRow("trailing space") << QByteArray("?1F1,4178-305 ") << false;
        QTest::newRow("other model") << QByteArray("?1F1,4178-306") << false;
        QTest::newRow("substitute") << QByteArray("?1F100000000") << false;
    }

    void identification()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, identifies);
        QCOMPARE(IsIdentificationReply(reply), identifies);
    }

    void attemptsAndChecks_data()
    {
        QTest::addColumn<int>("written"); // the value written, or -1 for a read of 2000 hex
        QTest::addColumn<QByteArrayList>("replies");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<MemoryFault>("fault");
        QTest::addColumn<int>("value"); // what a read returns

        const auto read = [](const char *name, const QByteArrayList &replies, int attempts, MemoryFault fault, int value) {
            QTest::newRow(name) << -1 << replies << attempts << fault << value;
        };
        read("read answered at once", {"?125,2000,4A"}, 1, MemoryFault::None, 74);
        read("wrong address every time keeps the parsed value", {"?125,2001,4A"}, 5, MemoryFault::WrongAnswer, 74);
        read("no instrument gives 0", {"TIMEOUT"}, 5, MemoryFault::NoAnswer, 0);
        read("port closed", {"CLOSED"}, 5, MemoryFault::NotConnected, 0);
        read("answered on the last attempt", {"TIMEOUT", "TIMEOUT", "TIMEOUT", "TIMEOUT", "?125,2000,00"}, 5,
             MemoryFault::None, 0);
        read("unreadable value is retried", {"?125,2000,4G", "?125,2000,4A"}, 2, MemoryFault::None, 74);
        read("value beyond a byte is retried", {"?125,2000,141", "?125,2000,41"}, 2, MemoryFault::None, 0x41);
        read("answers mixed with time-outs count as wrong",
             {"TIMEOUT", "?125,2001,10", "?125,2001,20", "?125,2001,30", "?125,2001,40"}, 5, MemoryFault::WrongAnswer, 0x40);
        read("the substitute's value counts as parsed", {"?125,2001,10", "TIMEOUT"}, 5, MemoryFault::WrongAnswer, 0);
        read("empty value never succeeds", {"?125,2000,"}, 5, MemoryFault::WrongAnswer, 0);

        const auto write = [](const char *name, int written, const QByteArrayList &replies, int attempts, MemoryFault fault) {
            QTest::newRow(name) << written << replies << attempts << fault << 0;
        };
        write("echo confirms", 0x41, {"?126,2000,41"}, 1, MemoryFault::None);
        write("wrong echo is repeated", 0x41, {"?126,2000,40", "?126,2000,41"}, 2, MemoryFault::None);
        write("wrong address is repeated", 0x41, {"?126,2001,41", "?126,2000,41"}, 2, MemoryFault::None);
        write("an earlier echo does not confirm a later reply", 0x41, {"?126,2001,41", "?126,2000,ZZ", "?126,2000,41"}, 3,
              MemoryFault::None);
        write("value 300 sends 2C and is never confirmed", 300, {"?126,2000,2C"}, 5, MemoryFault::WrongAnswer);
        write("no instrument", 0x41, {"TIMEOUT"}, 5, MemoryFault::NoAnswer);
        write("port closed", 0, {"CLOSED"}, 5, MemoryFault::NotConnected);
    }

    void attemptsAndChecks()
    {
        QFETCH(int, written);
        QFETCH(QByteArrayList, replies);
        QFETCH(int, attempts);
        QFETCH(MemoryFault, fault);
        QFETCH(int, value);

        ScriptedLink channel(replies);
        const int sent = replies == QByteArrayList{"CLOSED"} ? 0 : attempts; // a closed port gets nothing
        if (written < 0) {
            const MemoryReply &result = ScriptedLink::finished(channel.m_link.readMemory(0x2000));
            QCOMPARE(result.fault(), fault);
            QCOMPARE(result.attempts(), attempts);
            QCOMPARE(result.value(), value);
            QCOMPARE(channel.commands, QByteArrayList(sent, "25,2000"));
        } else {
            const MemoryReply &result = ScriptedLink::finished(channel.m_link.writeMemory(0x2000, written));
            QCOMPARE(result.fault(), fault);
            QCOMPARE(result.attempts(), attempts);
            QCOMPARE(channel.commands, QByteArrayList(sent, "26,2000," + hexDigits(written, 2)));
        }
    }
};

QTEST_GUILESS_MAIN(TestWireFormat)
#include "test_wire_format.moc"
