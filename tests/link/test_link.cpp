#include "DeviceConnection.h"
#include "HexFormat.h"
#include "MemoryCommands.h"
#include "MemoryReply.h"
#include "PortAccess.h"
#include "PortTable.h"
#include "PortWatcher.h"
#include "ReceiveRules.h"
#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "UserSettings.h"
#include "support/FakePort.h"
#include "support/SimulatedLink.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace corvex;

using namespace std::chrono_literals;
using Error = CommandReply::Error;

Q_DECLARE_METATYPE(MemoryFault)

namespace {

// Ports named "fake-N": N in `corvexes` identify as the instrument, others
// stay silent. `asked` notes each port asked to identify itself.
PortFactory fakePorts(QStringList &asked, QList<int> corvexes)
{
    return [&asked, corvexes] {
        auto port = std::make_unique<FakePort>();
        FakePort *raw = port.get();
        port->setResponder([&asked, raw, corvexes](const QByteArray &) -> QByteArray {
            if (raw->written.size() == 1)
                asked << raw->deviceName();
            return corvexes.contains(raw->deviceName().mid(5).toInt()) ? "?1F1,4178-305\r\n" : "";
        });
        return port;
    };
}


// A real port and link with the connection on top, watching what it reports.
struct Connection
{
    explicit Connection(std::chrono::milliseconds tick) { connection.setTickInterval(tick); }

    // Starts connectDevice() and waits for its one signal.
    bool connectDevice()
    {
        const qsizetype before = connected.size() + notConnected.size();
        connection.connectDevice();
        return QTest::qWaitFor([&] { return connected.size() + notConnected.size() > before; }, 60'000);
    }

    // Checks a given device and waits for the answer.
    bool connectToDevice(const QString &device)
    {
        QSignalSpy checked(&connection, &DeviceConnection::deviceChecked);
        connection.connectToDevice(device);
        return checked.wait(60'000) && checked.at(0).at(0).toBool();
    }

    SerialDevicePort port;
    SerialLink link{port};
    DeviceConnection connection{link};
    QSignalSpy connected{&connection, &DeviceConnection::connected};
    QSignalSpy notConnected{&connection, &DeviceConnection::notConnected};
};

// Waits for a reply and gives it.
template<typename Reply>
Reply &awaited(Reply *reply)
{
    QSignalSpy finished(reply, &Reply::finished);
    finished.wait(60'000);
    return *reply;
}

// True when the reply finishes, once.
template<typename Reply>
bool finishes(Reply *reply)
{
    QSignalSpy finished(reply, &Reply::finished);
    return finished.wait(10'000) && finished.size() == 1;
}

} // namespace

// The serial link: its wire format; its transactions, memory commands and
// connection over an in-process port; port numbers and their devices; and
// the link over a real port on corvex-sim's pseudo-terminal. Each test runs
// in its own user settings.
class TestLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedUserFolders> m_folders;
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

    // Every port number points at a path that does not exist, so a search
    // never touches this machine's real serial ports.
    static void noRealPorts()
    {
        for (int port = firstPort; port <= lastPort; ++port)
            setPortDeviceOverride(port, QStringLiteral("/nonexistent/corvex-test-port%1").arg(port));
    }

private Q_SLOTS:
    void init()
    {
        m_folders = std::make_unique<IsolatedUserFolders>();
        m_port = std::make_unique<FakePort>();
        m_link = std::make_unique<SerialLink>(*m_port);
        m_link->setTickInterval(20ms);
        QVERIFY(m_port->open());
    }

    void cleanup()
    {
        m_link.reset();
        m_port.reset();
        m_folders.reset();
    }

    void transactionsData()
    {
        QTest::addColumn<QByteArrayList>("answers");
        QTest::addColumn<int>("lines");       // lines written
        QTest::addColumn<QByteArray>("reply"); // the caller's reply
        QTest::addColumn<Error>("error");

        const QByteArray substitute = "?12500000000";
        const QByteArray reply = "?125,2000,41";
        const auto row = [](const char *name, const QByteArrayList &answers, int lines, const QByteArray &reply, Error error) {
            QTest::newRow(name) << answers << lines << reply << error;
        };
        row("answered at once", {"?125,2000,41\r\n"}, 1, reply, Error::NoError);
        row("answer to the sixth line", {"", "", "", "", "", "?125,2000,41\r"}, 6, reply, Error::NoError);
        row("silent: six lines, then the substitute", {}, 6, substitute, Error::Timeout);
        row("wrong prefix never completes", QByteArrayList(6, "?126,2000,41\r"), 6, substitute, Error::Timeout);
        // Only a reply that begins after the last write counts.
        row("each resend empties the buffer", {"?125,20", "00,41\r", "?125,2000,42\r"}, 3, "?125,2000,42", Error::NoError);
        row("characters after the completing CR stay out of the reply", {"?125,2000,41\r\nZZ"}, 1, reply, Error::NoError);
        row("a chattering line times out", {QByteArray(10'000, 'x')}, 6, substitute, Error::Timeout);
        row("unplugged while waiting", {"<unplug>"}, 1, substitute, Error::PortLost);
        row("closed while waiting: ends at the next tick", {"<close>"}, 1, substitute, Error::PortLost);
        row("closed before: nothing written, no wait", {"<closed>"}, 0, substitute, Error::PortClosed);
    }

    void transactions()
    {
        QFETCH(QByteArrayList, answers);
        QFETCH(int, lines);
        QFETCH(QByteArray, reply);
        QFETCH(Error, error);

        m_port->setResponder(script(answers));
        if (answers.value(0) == "<closed>")
            m_port->close();
        if (answers.value(0) == "<closed>" || answers.value(0) == "<unplug>")
            m_link->setTickInterval(1h); // what ends these is no time-out
        CommandReply *sent = m_link->sendCommand("25,2000");
        QVERIFY(!sent->isFinished() || error == Error::PortClosed);
        QVERIFY(finishes(sent));
        QCOMPARE(m_port->written, QByteArrayList(lines, "!125,2000\r"));
        QCOMPARE(sent->reply(), reply);
        QCOMPARE(sent->error(), error);

        // The next transaction starts afresh.
        m_port->open();
        m_port->setResponder(script({"?1F1,4178-305\r"}));
        CommandReply *next = m_link->sendCommand("F1");
        QVERIFY(finishes(next));
        QCOMPARE(next->reply(), QByteArray("?1F1,4178-305"));
    }

    // The memory commands: up to five transactions, each checked for the
    // address and a value (reads) or the echoed value (writes).
    void memoryAttemptsData()
    {
        QTest::addColumn<int>("written"); // the value written, or -1 for a read of 2000 hex
        QTest::addColumn<QByteArrayList>("answers");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<MemoryFault>("fault");
        QTest::addColumn<int>("value"); // what a read returns

        const QByteArrayList silent(SerialLink::maxTicks, QByteArray()); // one unanswered transaction
        const auto read = [](const char *name, const QByteArrayList &answers, int attempts, MemoryFault fault, int value) {
            QTest::newRow(name) << -1 << answers << attempts << fault << value;
        };
        read("read answered at once", {"?125,2000,4A\r"}, 1, MemoryFault::None, 74);
        read("wrong address every time keeps the parsed value", QByteArrayList(5, "?125,2001,4A\r"), 5, MemoryFault::WrongAnswer, 74);
        read("no instrument gives 0", {}, 5, MemoryFault::NoAnswer, 0);
        read("port closed", {"<closed>"}, 5, MemoryFault::NotConnected, 0);
        read("answered on the last attempt", silent + silent + silent + silent + QByteArrayList{"?125,2000,00\r"}, 5,
             MemoryFault::None, 0);
        read("unreadable value is retried", {"?125,2000,4G\r", "?125,2000,4A\r"}, 2, MemoryFault::None, 74);
        read("value beyond a byte is retried", {"?125,2000,141\r", "?125,2000,41\r"}, 2, MemoryFault::None, 0x41);
        read("answers mixed with time-outs count as wrong",
             silent + QByteArrayList{"?125,2001,10\r", "?125,2001,20\r", "?125,2001,30\r", "?125,2001,40\r"}, 5,
             MemoryFault::WrongAnswer, 0x40);
        read("the substitute's value counts as parsed", {"?125,2001,10\r"}, 5, MemoryFault::WrongAnswer, 0);
        read("empty value never succeeds", QByteArrayList(5, "?125,2000,\r"), 5, MemoryFault::WrongAnswer, 0);

        const auto write = [](const char *name, int written, const QByteArrayList &answers, int attempts, MemoryFault fault) {
            QTest::newRow(name) << written << answers << attempts << fault << 0;
        };
        write("echo confirms", 0x41, {"?126,2000,41\r"}, 1, MemoryFault::None);
        write("wrong echo is repeated", 0x41, {"?126,2000,40\r", "?126,2000,41\r"}, 2, MemoryFault::None);
        write("wrong address is repeated", 0x41, {"?126,2001,41\r", "?126,2000,41\r"}, 2, MemoryFault::None);
        write("an earlier echo does not confirm a later reply", 0x41,
              {"?126,2001,41\r", "?126,2000,ZZ\r", "?126,2000,41\r"}, 3, MemoryFault::None);
        write("value 300 sends 2C and is never confirmed", 300, QByteArrayList(5, "?126,2000,2C\r"), 5, MemoryFault::WrongAnswer);
        write("no instrument", 0x41, {}, 5, MemoryFault::NoAnswer);
        write("port closed", 0, {"<closed>"}, 5, MemoryFault::NotConnected);
    }

    void memoryAttempts()
    {
        QFETCH(int, written);
        QFETCH(QByteArrayList, answers);
        QFETCH(int, attempts);
        QFETCH(MemoryFault, fault);
        QFETCH(int, value);

        m_port->setResponder(script(answers));
        const bool closed = answers.value(0) == "<closed>";
        if (closed)
            m_port->close();
        MemoryReply *reply = written < 0 ? m_link->readMemory(0x2000) : m_link->writeMemory(0x2000, written);
        QVERIFY(finishes(reply));
        QCOMPARE(reply->fault(), fault);
        QCOMPARE(reply->attempts(), attempts);
        if (written < 0)
            QCOMPARE(reply->value(), value);
        const QByteArray line = written < 0 ? "!125,2000\r" : "!126,2000," + hexDigits(written, 2) + "\r";
        QCOMPARE(m_port->written.isEmpty(), closed); // a closed port gets nothing
        QCOMPARE(m_port->written.count(line), m_port->written.size());
    }

    void commandsGoOutOneAtATime()
    {
        m_port->setResponder([](const QByteArray &line) -> QByteArray {
            return line == "!1F1\r" ? "?1F1,4178-305\r\n" : "?125,2000,41\r\n";
        });
        CommandReply *first = m_link->sendCommand("25,2000");
        CommandReply *given = m_link->sendCommand("25,2001");
        CommandReply *second = m_link->sendCommand("F1");
        given->abort(); // given up before its turn: never sent
        QCOMPARE(m_port->written, QByteArrayList{"!125,2000\r"}); // the second waits for the first's reply
        QSignalSpy firstDone(first, &CommandReply::finished);
        QVERIFY(finishes(second));
        QCOMPARE(firstDone.size(), 1);
        QCOMPARE(m_port->written, (QByteArrayList{"!125,2000\r", "!1F1\r"}));
        QCOMPARE(first->reply(), QByteArray("?125,2000,41"));
        QCOMPARE(second->reply(), QByteArray("?1F1,4178-305"));
    }

    // Cable pulled: the connection says so at once and the transaction under way ends.
    void lostPortIsReported()
    {
        setPortDeviceOverride(3, QStringLiteral("fake-3"));
        m_port->close();
        DeviceConnection connection(*m_link);
        connection.connectFoundPort(3);
        QCOMPARE(connection.connectedPort(), 3);
        QCOMPARE(storedCommPort(), std::optional<int>(3));
        QSignalSpy lost(&connection, &DeviceConnection::connectionLost);

        m_link->setTickInterval(1h);
        CommandReply *pending = m_link->sendCommand("25,2000");
        m_port->unplug();
        QCOMPARE(lost.size(), 1);
        QCOMPARE(connection.connectedPort(), 0);
        QVERIFY(finishes(pending));
        QCOMPARE(pending->error(), Error::PortLost);
    }

    // Find Device's Cancel ends a search of silent ports at once, with nothing stored.
    void cancelledSearchEndsNotConnected()
    {
        for (int port = firstPort; port <= lastPort; ++port)
            setPortDeviceOverride(port, QStringLiteral("fake-%1").arg(port));
        QStringList opened;
        m_port->close();
        DeviceConnection connection(*m_link, fakePorts(opened, {}));
        connection.setTickInterval(1h);
        QSignalSpy notConnected(&connection, &DeviceConnection::notConnected);
        connection.connectDevice();
        QVERIFY(connection.isSearching());
        QCOMPARE(opened.size(), lastPort); // all at once
        connection.cancelSearch();
        QVERIFY(notConnected.wait(10'000));
        QVERIFY(!connection.isSearching());
        QVERIFY(!storedCommPort());
        QTest::qWait(10);
        QCOMPARE(notConnected.size(), 1);
    }

    // A device is asked once whether it is a Corvex when it appears, not
    // again while it stays, and again after it has gone and come back.
    void watcherProbesEachNewDeviceOnce()
    {
        for (int port = firstPort; port <= lastPort; ++port)
            setPortDeviceOverride(port, QStringLiteral("fake-%1").arg(port));
        QStringList present{QStringLiteral("fake-1")};
        int looks = 0;
        QStringList opened;
        PortWatcher watcher(fakePorts(opened, {5}), [&] {
            ++looks;
            return present;
        });
        watcher.setInterval(5ms);
        watcher.setTickInterval(2ms);
        QSignalSpy found(&watcher, &PortWatcher::instrumentFound);
        const auto waitLooks = [&](int count) {
            const int until = looks + count;
            QTRY_VERIFY_WITH_TIMEOUT(looks >= until, 20'000);
        };

        watcher.start();
        present << QStringLiteral("fake-2") << QStringLiteral("/dev/not-in-the-table");
        waitLooks(10);
        QCOMPARE(opened, QStringList{QStringLiteral("fake-2")}); // there before: not probed; silent: once

        present.removeAll(QStringLiteral("fake-2"));
        waitLooks(3);
        present << QStringLiteral("fake-2") << QStringLiteral("fake-5");
        QTRY_COMPARE_WITH_TIMEOUT(found.size(), 1, 20'000);
        QCOMPARE(found.at(0).at(0).toInt(), 5);
        QCOMPARE(opened, (QStringList{QStringLiteral("fake-2"), QStringLiteral("fake-2"), QStringLiteral("fake-5")}));
        waitLooks(5);
        QCOMPARE(found.size(), 1);

        watcher.stop();
        QVERIFY(!watcher.isRunning());
    }

    // The wire format itself, without a port.
    void receiveRulesData()
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

        ReceiveState state{{}, expectedPrefixFor(command)};
        std::optional<QByteArray> first;
        for (const QByteArray &batch : batches) {
            const auto reply = receiveCharacters(state, batch);
            if (reply && !first)
                first = reply;
        }
        QCOMPARE(state.replyBuffer, buffer);
        QCOMPARE(first.has_value(), !completed.isEmpty());
        if (first)
            QCOMPARE(*first, completed);
    }

    void chatterIsBoundedButValidRepliesStillComplete()
    {
        ReceiveState state{{}, expectedPrefixFor("25,2000")};
        const QByteArray chatter(100'000, 'x');
        QVERIFY(!receiveCharacters(state, chatter));
        QCOMPARE(state.replyBuffer.size(), replyBufferLimit);

        // A long reply keeps its start, so it is still recognised by it.
        QVERIFY(!receiveCharacters(state, "?125,2000,41" + chatter));
        QCOMPARE(state.replyBuffer.size(), replyBufferLimit);
        QVERIFY(receiveCharacters(state, "\r"));

        QCOMPARE(receiveCharacters(state, "?125,2000,41\r").value(), QByteArray("?125,2000,41"));
    }

    void commandFraming()
    {
        // The bytes of a read of 2000 hex on the wire.
        QCOMPARE(commandLine(readCommandText(0x2000)).toHex(' '), QByteArray("21 31 32 35 2c 32 30 30 30 0d"));
        QCOMPARE(expectedPrefixFor(""), QByteArray("?1"));
    }

    void hexRoutinesData()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("hex2");
        QTest::addColumn<QByteArray>("hex4");
        QTest::addColumn<QByteArray>("hex8");

        QTest::newRow("65") << 65 << QByteArray("41") << QByteArray("0041") << QByteArray("00000041");
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

    void replyFieldsData()
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
        QCOMPARE(replyAddressMatches(reply, address), addressMatches);
        QCOMPARE(replyValue(reply).has_value(), hasValue);
        if (hasValue)
            QCOMPARE(*replyValue(reply), value);
    }

    void identificationData()
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
        QCOMPARE(isIdentificationReply(reply), identifies);
    }

    // Port numbers, their devices and the stored port.
    void overridesArePerNumberAndRemovable()
    {
        setPortDeviceOverride(3, QStringLiteral(" /dev/pts/7 "));
        QCOMPARE(portDevice(3), QStringLiteral("/dev/pts/7"));
        QCOMPARE(portDevice(4), defaultPortDevice(4));
        QCOMPARE(openUserSettings()->value(QStringLiteral("Ports/COM3")).toString(), QStringLiteral("/dev/pts/7"));
        setPortDeviceOverride(3, QStringLiteral("  "));
        QCOMPARE(portDevice(3), defaultPortDevice(3));
        QVERIFY(portDeviceOverride(3).isEmpty());

        setPortDeviceOverride(17, QStringLiteral("/dev/pts/7"));
        QVERIFY(portDevice(17).isEmpty());
        QCOMPARE(portDevice(16), QStringLiteral("/dev/ttyACM3"));
    }

    void storedPortData()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected"); // -1: none

        QTest::newRow("missing") << QVariant() << -1;
        QTest::newRow("search all") << QVariant(0) << 0;
        QTest::newRow("COM3") << QVariant(3) << 3;
        QTest::newRow("text 16") << QVariant(QStringLiteral("16")) << 16;
        QTest::newRow("blanks around") << QVariant(QStringLiteral(" 7 ")) << 7;
        QTest::newRow("17") << QVariant(17) << -1;
        QTest::newRow("negative") << QVariant(-1) << -1;
        QTest::newRow("word") << QVariant(QStringLiteral("COM3")) << -1;
        QTest::newRow("fraction") << QVariant(QStringLiteral("2.5")) << -1;
    }

    void storedPort()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, expected);
        if (stored.isValid())
            writeUserSetting(UserSetting::commPort, stored);
        QCOMPARE(storedCommPort().value_or(-1), expected);
        storeCommPort(12);
        QCOMPARE(openUserSettings()->value(QStringLiteral("Settings/CommPort")).toInt(), 12);
    }

    // A permission error is told apart by the device's rights: the user who
    // may not open it learns which group to join; otherwise another program
    // holds it. Runs as root too, where every device opens.
    void openFailureSaysWhatToDoData()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("access");
        QTest::addColumn<QString>("expected"); // with the device, its group and owner filled in

        const int denied = int(DeviceAccess::Denied);
        const int allowed = int(DeviceAccess::Allowed);
        QTest::newRow("no access, the group may") << 0660 << int(QSerialPort::PermissionError) << denied
                                                  << "You may not open {device}: it belongs to the group \"{group}\". "
                                                     "Add your user to the group {group} and log in again.";
        QTest::newRow("no access, only the owner may") << 0600 << int(QSerialPort::PermissionError) << denied
                                                       << "You may not open {device}: only its owner \"{owner}\" may read and write it. "
                                                          "Ask the administrator of this computer for access to it.";
        QTest::newRow("access, but locked") << 0660 << int(QSerialPort::PermissionError) << allowed
                                            << "{device} is in use by another program.";
        QTest::newRow("no such device, its lock file held") << 0660 << int(QSerialPort::PermissionError)
                                                            << int(DeviceAccess::Missing)
                                                            << "Cannot open {device}: there is no such device.";
        QTest::newRow("any other error keeps its text") << 0660 << int(QSerialPort::DeviceNotFoundError) << denied
                                                        << "Cannot open {device}: the error text";
    }

    void openFailureSaysWhatToDo()
    {
        QFETCH(int, mode);
        QFETCH(int, error);
        QFETCH(int, access);
        QFETCH(QString, expected);

        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyS0"));
        QFile file(device);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(::chmod(QFile::encodeName(device).constData(), mode_t(mode)) == 0);

        const QFileInfo info(device);
        QCOMPARE(describeOpenFailure(device, QSerialPort::SerialPortError(error), QStringLiteral("the error text"),
                                     DeviceAccess(access)),
                 expected.replace(QStringLiteral("{device}"), device)
                     .replace(QStringLiteral("{group}"), info.group())
                     .replace(QStringLiteral("{owner}"), info.owner()));
        if (::geteuid() != 0) {
            QVERIFY(::chmod(QFile::encodeName(device).constData(), 0) == 0);
            QCOMPARE(deviceAccess(device), DeviceAccess::Denied);
        }
    }

    // Over a real port on the simulator.
    void identifyAndReadUnderFaultsData()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("tickMs");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("secondOk");

        const QString f = QStringLiteral("F1");
        const QString a = QStringLiteral("25,100D"); // "Formalin 10% ", reagent 2 of the demonstration data
        const QString b = QStringLiteral("25,100E");
        QTest::newRow("replies character by character") << QStringList{"--split", "1", "--split-delay", "0"} << 1000 << QStringList{f, a, b} << true;
        QTest::newRow("every second reply dropped, resent on the tick") << QStringList{"--drop-every", "2"} << 250 << QStringList{f, a, a, b, b} << true;
        // Then only repeats of the unanswered read, and the substitute's value 0.
        QTest::newRow("silent from the second read") << QStringList{"--silent-from", "100E"} << 20 << QStringList{f, a, b} << false;
    }

    void identifyAndReadUnderFaults()
    {
        QFETCH(QStringList, options);
        QFETCH(int, tickMs);
        QFETCH(QStringList, log);
        QFETCH(bool, secondOk);

        SimulatedLink sim;
        QVERIFY2(sim.start(options), qPrintable(sim.errorString()));
        sim.setTickInterval(std::chrono::milliseconds(tickMs));

        const CommandReply &identification = awaited(sim.link.sendCommand("F1"));
        QCOMPARE(identification.reply(), QByteArray("?1F1,4178-305"));
        const MemoryReply &first = awaited(sim.link.readMemory(0x100D));
        QCOMPARE(first.fault(), MemoryFault::None);
        QCOMPARE(first.value(), int('F'));
        const MemoryReply &second = awaited(sim.link.readMemory(0x100E));
        QCOMPARE(second.fault(), secondOk ? MemoryFault::None : MemoryFault::NoAnswer);
        QCOMPARE(second.value(), secondOk ? int('o') : 0);
        QStringList received = sim.finish();
        if (!secondOk)
            received.removeDuplicates();
        QCOMPARE(received, log);
    }

    void writeIsStored()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        QCOMPARE(awaited(sim.link.writeMemory(0x5A01, 0xFF)).fault(), MemoryFault::None);
        QCOMPARE(awaited(sim.link.readMemory(0x5A01)).value(), 0xFF);
        QCOMPARE(sim.finish(), (QStringList{"26,5A01,FF", "25,5A01"}));
    }

    void searchFindsTheHighestAnsweringPort()
    {
        noRealPorts();
        SimulatorProcess low, high, silent;
        QVERIFY2(low.start() && high.start() && silent.start({"--silent"}), "corvex-sim did not start");
        setPortDeviceOverride(3, low.devicePath());
        setPortDeviceOverride(9, high.devicePath());
        setPortDeviceOverride(12, silent.devicePath());

        Connection found(20ms);
        QVERIFY(found.connectDevice());
        QCOMPARE(found.notConnected.count(), 0);
        QCOMPARE(found.connected.count(), 1);
        QCOMPARE(found.connected.at(0).at(0).toInt(), 9);
        QCOMPARE(storedCommPort(), std::optional<int>(9));
        QCOMPARE(found.port.deviceName(), high.devicePath());
        QCOMPARE(awaited(found.link.sendCommand("F1")).reply(), QByteArray("?1F1,4178-305")); // the port stays open

        found.connection.closePort();
        // Each was asked to identify itself, and nothing else.
        for (SimulatorProcess *asked : {&low, &high, &silent}) {
            const QStringList received = asked->stop();
            QVERIFY(!received.isEmpty());
            QCOMPARE(QSet<QString>(received.cbegin(), received.cend()), QSet<QString>{QStringLiteral("F1")});
        }
    }

    void storedPortIsTheOnlyOneTried()
    {
        noRealPorts();
        SimulatorProcess instrument;
        QVERIFY2(instrument.start(), qPrintable(instrument.errorString()));
        setPortDeviceOverride(2, instrument.devicePath());
        storeCommPort(5);

        Connection moved(1000ms);
        QVERIFY(moved.connectDevice());
        QCOMPARE(moved.notConnected.count(), 1);
        QCOMPARE(moved.connected.count(), 0);
        QCOMPARE(storedCommPort(), std::optional<int>(5));
        QVERIFY(!moved.port.isOpen());
        QVERIFY(instrument.stop().isEmpty());

        // Once the stored port is the right one, it connects there.
        SimulatorProcess there;
        QVERIFY2(there.start(), qPrintable(there.errorString()));
        setPortDeviceOverride(5, there.devicePath());
        QVERIFY(moved.connectDevice());
        QCOMPARE(moved.connected.count(), 1);
        QCOMPARE(moved.connection.connectedPort(), 5);
    }

    void noInstrumentAnywhere()
    {
        noRealPorts();
        Connection none(1h); // ports that do not open cost no time-out
        QVERIFY(none.connectDevice());
        QCOMPARE(none.notConnected.count(), 1);
        QVERIFY(!storedCommPort());
        QCOMPARE(none.connection.connectedPort(), 0);
    }

    void connectToAGivenDevice()
    {
        SimulatorProcess instrument, other;
        QVERIFY2(instrument.start() && other.start({"--silent"}), "corvex-sim did not start");
        Connection given(20ms);
        QVERIFY(!given.connectToDevice(other.devicePath()));
        QVERIFY(!given.port.isOpen());
        QVERIFY(!given.connectToDevice(QStringLiteral("/nonexistent/tty")));
        QVERIFY(given.connectToDevice(instrument.devicePath()));
        QVERIFY(given.port.isOpen());
        QVERIFY(!storedCommPort());
        QCOMPARE(given.connected.count() + given.notConnected.count(), 0);

        SerialDevicePort second; // the port the window and the tool use, opened again
        second.setDeviceName(instrument.devicePath());
        QVERIFY(!second.open());
        QCOMPARE(second.errorString(), instrument.devicePath() + QStringLiteral(" is in use by another program."));
    }
};

QTEST_GUILESS_MAIN(TestLink)
#include "test_link.moc"
