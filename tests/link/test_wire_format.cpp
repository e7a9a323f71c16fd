#include "link/DeviceConnection.h"
#include "link/HexFormat.h"
#include "link/MemoryCommands.h"
#include "link/ReceiveRules.h"

#include <QTest>

// Framing, recognition and field checks of the wire format.
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
        QCOMPARE(Hex2(value), hex2);
        QCOMPARE(Hex4(value), hex4);
        QCOMPARE(Hex8(value), hex8);
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
};

QTEST_GUILESS_MAIN(TestWireFormat)
#include "test_wire_format.moc"
