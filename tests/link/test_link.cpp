#include "DeviceConnection.h"
#include "HexFormat.h"
#include "MemoryCommands.h"
#include "PortAccess.h"
#include "PortTable.h"
#include "SerialDevicePort.h"
#include "support/FakePort.h"
#include "support/SimulatorProcess.h"
#include "support/TestEnvironment.h"
#include "UserSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>


#include <sys/stat.h>
#include <unistd.h>

using namespace corvex;

using namespace std::chrono_literals;
using Error = CommandReply::Error;

namespace {

// Table rows: the answers to the lines written, how many lines, the caller's reply and error.
struct Transaction { QByteArrayList answers; int lines; QByteArray reply; CommandReply::Error error; };
// The value written (-1: a read of 2000 hex), the answers, the attempts made, the fault and what a read returns.
struct MemoryAttempts { int written; QByteArrayList answers; int attempts; MemoryFault fault; int value; };
// The reply buffer after receiving `batches`, and the reply at the completing CR (empty: none).
struct Reception { QByteArray command; QByteArrayList batches; QByteArray buffer, completed; };
// The device's mode and the error and access on opening it; the message with {device}, {group} and {owner} filled in.
struct OpenFailure { int mode; QSerialPort::SerialPortError error; DeviceAccess access; QString expected; };

// Ports named "fake-N": N in `corvexes` identify as the instrument, others
// stay silent. `asked` notes each port asked to identify itself, and any
// other line written.
PortFactory fakePorts(QStringList &asked, QList<int> corvexes)
{
    return [&asked, corvexes] {
        auto port = std::make_unique<FakePort>();
        FakePort *raw = port.get();
        port->setResponder([&asked, raw, corvexes](const QByteArray &line) -> QByteArray {
            if (raw->written.size() == 1 || line != "!1F1\r")
                asked << (line == "!1F1\r" ? raw->deviceName() : QString::fromLatin1(line));
            return corvexes.contains(raw->deviceName().mid(5).toInt()) ? "?1F1,4178-305\r\n" : "";
        });
        return port;
    };
}


// Notes the port of each end of a search: 0 when it ends not connected.
void noteOutcomes(DeviceConnection &connection, QList<int> &outcomes)
{
    QObject::connect(&connection, &DeviceConnection::stateChanged, &connection, [&](DeviceConnection::State state) {
        if (state != DeviceConnection::State::Searching)
            outcomes << connection.connectedPort();
    });
}

// A real port and link with the connection on top, noting what it reports.
struct Connection
{
    explicit Connection(std::chrono::milliseconds tick)
    {
        connection.setTickInterval(tick);
        noteOutcomes(connection, outcomes);
    }

    // Checks a given device and waits for the answer.
    bool connectToDevice(const QString &device)
    {
        const qsizetype before = outcomes.size();
        connection.connectToDevice(device);
        return QTest::qWaitFor([&] { return outcomes.size() > before; }, 60'000) && connection.isConnected();
    }

    QList<int> outcomes;
    SerialDevicePort port;
    SerialLink link{port};
    DeviceConnection connection{link};
};

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

    // Per test: its own user settings, and a link over an in-process port.
    struct Wire { IsolatedUserFolders folders; FakePort port; SerialLink link{port}; };
    std::unique_ptr<Wire> m_wire;
    FakePort *m_port = nullptr;
    SerialLink *m_link = nullptr;

    // Answers the n-th line written with the n-th answer; "<unplug>" and
    // "<close>" take the port away while the transaction waits, "<closed>"
    // before it starts.
    void answer(const QByteArrayList &answers)
    {
        if (answers.value(0) == "<closed>")
            m_port->close();
        auto lines = std::make_shared<qsizetype>(0);
        m_port->setResponder([this, lines, answers](const QByteArray &) -> QByteArray {
            const QByteArray answer = answers.value((*lines)++);
            if (answer == "<unplug>" || answer == "<close>") {
                QTimer::singleShot(0, m_port, [this, answer] { answer == "<unplug>" ? m_port->unplug() : m_port->close(); });
                return {};
            }
            return answer;
        });
    }

    // Every port number names `pattern` with its number: fake ports, or paths
    // that do not exist, so a search never touches this machine's real ports.
    static void nameAllPorts(const char *pattern = "/nonexistent/corvex-test-port%1")
    {
        for (int port = firstPort; port <= lastPort; ++port)
            setPortDeviceOverride(port, QString::fromLatin1(pattern).arg(port));
    }

private Q_SLOTS:
    void init()
    {
        m_wire = std::make_unique<Wire>();
        m_port = &m_wire->port;
        m_link = &m_wire->link;
        m_link->setTickInterval(20ms);
        QVERIFY(m_port->open());
    }

    void transactions_data()
    {
        QTest::addColumn<Transaction>("transaction");
        const QByteArray substitute = "?12500000000", reply = "?125,2000,41";
        const auto row = [](const char *name, const Transaction &transaction) { QTest::newRow(name) << transaction; };
        row("answered at once", {{"?125,2000,41\r\n"}, 1, reply, Error::NoError});
        row("answer to the sixth line", {{"", "", "", "", "", "?125,2000,41\r"}, 6, reply, Error::NoError});
        row("silent: six lines, then the substitute", {{}, 6, substitute, Error::Timeout});
        row("wrong prefix never completes", {QByteArrayList(6, "?126,2000,41\r"), 6, substitute, Error::Timeout});
        // Only a reply that begins after the last write counts.
        row("each resend empties the buffer", {{"?125,20", "00,41\r", "?125,2000,42\r"}, 3, "?125,2000,42", Error::NoError});
        row("a chattering line times out", {{QByteArray(10'000, 'x')}, 6, substitute, Error::Timeout});
        row("unplugged while waiting", {{"<unplug>"}, 1, substitute, Error::PortLost});
        row("closed before: nothing written, no wait", {{"<closed>"}, 0, substitute, Error::PortClosed});
    }

    void transactions()
    {
        QFETCH(Transaction, transaction);
        const auto &[answers, lines, reply, error] = transaction;
        answer(answers);
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
        answer({"?1F1,4178-305\r"});
        CommandReply *next = m_link->sendCommand("F1");
        QVERIFY(finishes(next) && next->reply() == "?1F1,4178-305");
    }

    // The memory commands: up to five transactions, each checked for the
    // address and a value (reads) or the echoed value (writes).
    void memoryAttempts_data()
    {
        QTest::addColumn<MemoryAttempts>("memory");
        const QByteArrayList silent(SerialLink::maxTicks, QByteArray()); // one unanswered transaction
        const auto read = [](const char *name, const QByteArrayList &answers, int attempts, MemoryFault fault, int value) {
            QTest::newRow(name) << MemoryAttempts{-1, answers, attempts, fault, value};
        };
        read("read answered at once", {"?125,2000,4A\r"}, 1, MemoryFault::None, 74);
        read("wrong address every time keeps the parsed value", QByteArrayList(5, "?125,2001,4A\r"), 5, MemoryFault::WrongAnswer, 74);
        read("no instrument gives 0", {}, 5, MemoryFault::NoAnswer, 0);
        read("port closed", {"<closed>"}, 5, MemoryFault::NotConnected, 0);
        read("answered on the last attempt", silent + silent + silent + silent + QByteArrayList{"?125,2000,00\r"}, 5,
             MemoryFault::None, 0);
        read("unreadable value is retried", {"?125,2000,4G\r", "?125,2000,4A\r"}, 2, MemoryFault::None, 74);
        read("value beyond a byte is retried", {"?125,2000,141\r", "?125,2000,41\r"}, 2, MemoryFault::None, 0x41);

        const auto write = [](const char *name, int written, const QByteArrayList &answers, int attempts, MemoryFault fault) {
            QTest::newRow(name) << MemoryAttempts{written, answers, attempts, fault, 0};
        };
        write("echo confirms", 0x41, {"?126,2000,41\r"}, 1, MemoryFault::None);
        write("wrong echo is repeated", 0x41, {"?126,2000,40\r", "?126,2000,41\r"}, 2, MemoryFault::None);
        write("an earlier echo does not confirm a later reply", 0x41,
              {"?126,2001,41\r", "?126,2000,ZZ\r", "?126,2000,41\r"}, 3, MemoryFault::None);
        write("no instrument", 0x41, {}, 5, MemoryFault::NoAnswer);
        write("port closed", 0, {"<closed>"}, 5, MemoryFault::NotConnected);
    }

    void memoryAttempts()
    {
        QFETCH(MemoryAttempts, memory);
        const auto &[written, answers, attempts, fault, value] = memory;
        answer(answers);
        MemoryReply *reply = written < 0 ? m_link->readMemory(0x2000) : m_link->writeMemory(0x2000, written);
        QVERIFY(finishes(reply));
        QCOMPARE((QList<int>{int(reply->fault()), reply->attempts(), written < 0 ? reply->value() : 0}),
                 (QList<int>{int(fault), attempts, value}));
        const QByteArray line = written < 0 ? "!125,2000\r" : "!126,2000," + hexDigits(written, 2) + "\r";
        QCOMPARE(m_port->written.isEmpty(), fault == MemoryFault::NotConnected); // a closed port gets nothing
        QCOMPARE(m_port->written.count(line), m_port->written.size());
    }

    void commandsGoOutOneAtATime()
    {
        answer({"?125,2000,41\r\n", "?1F1,4178-305\r\n"});
        CommandReply *first = m_link->sendCommand("25,2000");
        CommandReply *given = m_link->sendCommand("25,2001");
        CommandReply *second = m_link->sendCommand("F1");
        given->abort(); // given up before its turn: never sent
        QCOMPARE(m_port->written, QByteArrayList{"!125,2000\r"}); // the second waits for the first's reply
        QVERIFY(finishes(second) && first->isFinished());
        QCOMPARE(m_port->written, (QByteArrayList{"!125,2000\r", "!1F1\r"}));
        QCOMPARE((QByteArrayList{first->reply(), second->reply()}), (QByteArrayList{"?125,2000,41", "?1F1,4178-305"}));
    }

    // With no stored port, a search asks every port at once whether it is a
    // Corvex, and nothing else, and keeps the highest that is; with one, only
    // that port is asked. Find Device's Cancel ends a search at once. Corvexes
    // answer on ports 3 and 9.
    void searchKeepsTheHighestAnsweringPort_data()
    {
        QTest::addColumn<int>("stored"); // -1: none
        QTest::addColumn<int>("found");  // 0: none, or cancelled when none is stored
        QTest::newRow("search all") << -1 << 9;
        QTest::newRow("search cancelled") << -1 << 0;
        QTest::newRow("stored port 9") << 9 << 9;
        QTest::newRow("stored port 5: no other is tried") << 5 << 0;
    }

    void searchKeepsTheHighestAnsweringPort()
    {
        QFETCH(int, stored);
        QFETCH(int, found);
        nameAllPorts("fake-%1");
        if (stored >= 0)
            storeCommPort(stored);
        QStringList asked;
        m_port->close();
        QList<int> outcomes;
        DeviceConnection connection(*m_link, fakePorts(asked, {3, 9}));
        noteOutcomes(connection, outcomes);
        connection.setTickInterval(20ms);
        connection.connectDevice();
        if (stored < 0 && !found)
            connection.cancelSearch();
        QTRY_COMPARE_WITH_TIMEOUT(outcomes, QList<int>{found}, 10'000);
        QCOMPARE(storedCommPort().value_or(-1), found ? found : stored);
        QCOMPARE(m_port->deviceName(), found ? QStringLiteral("fake-9") : QString());
        QCOMPARE(m_port->isOpen(), found != 0);
        QCOMPARE(asked.size(), stored < 0 ? lastPort : 1); // at once, and nothing but the identification
        QVERIFY(stored < 0 || asked.constFirst() == QStringLiteral("fake-%1").arg(stored));
    }

    // The search ends once a port has identified and every higher one has
    // ended: silent ports below it are not waited for (with an hour's tick),
    // a silent port above it is. The rest are absent.
    void searchEndsOnceTheAnswerIsKnown_data()
    {
        QTest::addColumn<QList<int>>("corvexes");
        QTest::addColumn<QList<int>>("silent");
        QTest::addColumn<int>("found");
        QTest::newRow("COM16 above fifteen") << QList<int>{16} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15} << 16;
        QTest::newRow("COM3 and COM9: the highest") << QList<int>{3, 9} << QList<int>{1} << 9;
        QTest::newRow("COM3 below a silent COM9") << QList<int>{3} << QList<int>{9} << 3;
    }

    void searchEndsOnceTheAnswerIsKnown()
    {
        QFETCH(QList<int>, corvexes);
        QFETCH(QList<int>, silent);
        QFETCH(int, found);
        const bool silentAbove = silent.constLast() > found;
        QStringList asked;
        PortSearch search(fakePorts(asked, corvexes));
        search.setTickInterval(silentAbove ? 20ms : 1h);
        QList<PortCandidate> candidates;
        for (int p = firstPort; p <= lastPort; ++p)
            candidates << PortCandidate{p, corvexes.contains(p) || silent.contains(p) ? QStringLiteral("fake-%1").arg(p) : QString()};
        QSignalSpy finished(&search, &PortSearch::finished);
        search.start(candidates);
        QVERIFY(finished.wait(10'000));
        QCOMPARE(search.found().number, found);
        for (const int p : silent)
            QCOMPARE(search.answers().at(p - 1).result, silentAbove ? PortAnswer::Result::Silent : PortAnswer::Result::Cancelled);
    }

    // The wire format itself, without a port.
    void receiveRules_data()
    {
        QTest::addColumn<Reception>("reception");
        const auto row = [](const char *name, const QByteArray &command, const QByteArrayList &batches, const QByteArray &buffer,
                            const QByteArray &completed) { QTest::newRow(name) << Reception{command, batches, buffer, completed}; };
        const QByteArray read = "25,2000", reply = "?125,2000,41";
        row("noise before the reply, LF after CR", read, {"xx?125,2000,41\r\n"}, reply, reply);
        row("reply split over receive events", read, {"?1", "25,20", "00,4", "1", "\r"}, reply, reply);
        row("character by character with LF in the middle", read, {"?", "1", "2", "\n", "5", ",", "\r"}, "?125,", "?125,");
        row("second question mark restarts", read, {"?125,20?125,2000,4A\r"}, "?125,2000,4A", "?125,2000,4A");
        row("CR of another command's reply is stored", "25,1000", {"?126,10\r"}, "?126,10\r", {});
        row("characters after a completing CR are appended", read, {"?125,2000,41\r\nZ"}, "?125,2000,41Z", reply);
        row("a reply after a completed one restarts the buffer", read, {"?125,2000,41\r?125,2000,42\r"}, "?125,2000,42", reply);
        // Chatter fills the buffer only up to its limit; a long reply keeps its start, so it still completes.
        const QByteArray chatter(100'000, 'x'), longReply = reply + chatter;
        row("chatter is bounded", read, {chatter}, chatter.left(replyBufferLimit), {});
        row("a long reply is cut but completes", read, {chatter, longReply, "\r"}, longReply.left(replyBufferLimit), longReply.left(replyBufferLimit));
    }

    void receiveRules()
    {
        QFETCH(Reception, reception);
        const auto &[command, batches, buffer, completed] = reception;
        ReceiveState state{{}, expectedPrefixFor(command)};
        std::optional<QByteArray> first;
        for (const QByteArray &batch : batches) {
            const auto reply = receiveCharacters(state, batch);
            first = first ? first : reply;
        }
        QCOMPARE(state.replyBuffer, buffer);
        QCOMPARE(first.value_or(QByteArray()), completed);
    }

    void storedPort_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected"); // -1: none

        QTest::newRow("missing") << QVariant() << -1;
        QTest::newRow("search all") << QVariant(0) << 0;
        QTest::newRow("text 16") << QVariant(QStringLiteral("16")) << 16;
        QTest::newRow("17") << QVariant(17) << -1;
        QTest::newRow("word") << QVariant(QStringLiteral("COM3")) << -1;
    }

    void storedPort()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, expected);
        if (stored.isValid())
            writeUserSetting(UserSetting::commPort, stored);
        QCOMPARE(storedCommPort().value_or(-1), expected);
    }

    // A permission error is told apart by the device's rights: the user who
    // may not open it learns which group to join; otherwise another program
    // holds it. Runs as root too, where every device opens.
    void openFailureSaysWhatToDo_data()
    {
        QTest::addColumn<OpenFailure>("failure");
        const auto row = [](const char *name, int mode, DeviceAccess access, const char *expected,
                            QSerialPort::SerialPortError error = QSerialPort::PermissionError) {
            QTest::newRow(name) << OpenFailure{mode, error, access, QString::fromUtf8(expected)};
        };
        row("no access, the group may", 0660, DeviceAccess::Denied,
            "You may not open {device}: it belongs to the group \"{group}\". Add your user to the group {group} and log in again.");
        row("no access, only the owner may", 0600, DeviceAccess::Denied,
            "You may not open {device}: only its owner \"{owner}\" may read and write it. Ask the administrator of this computer for access to it.");
        row("no such device, its lock file held", 0660, DeviceAccess::Missing, "Cannot open {device}: there is no such device.");
    }

    void openFailureSaysWhatToDo()
    {
        QFETCH(OpenFailure, failure);
        auto [mode, error, access, expected] = failure;
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyS0"));
        QVERIFY(QFile(device).open(QIODevice::WriteOnly));
        QVERIFY(::chmod(QFile::encodeName(device).constData(), mode_t(mode)) == 0);
        const QFileInfo info(device);
        expected.replace(QStringLiteral("{device}"), device).replace(QStringLiteral("{group}"), info.group());
        QCOMPARE(describeOpenFailure(device, error, QStringLiteral("the error text"), access), expected.replace(QStringLiteral("{owner}"), info.owner()));
        if (::geteuid() != 0) {
            QVERIFY(::chmod(QFile::encodeName(device).constData(), 0) == 0);
            QCOMPARE(deviceAccess(device), DeviceAccess::Denied);
        }
    }

    // Over real ports on the simulator.
    void connectToAGivenDevice()
    {
        SimulatorProcess instrument, other;
        QVERIFY(instrument.start() && other.start({"--silent"}));
        Connection given(20ms);
        QVERIFY(!given.connectToDevice(other.devicePath()));
        QVERIFY(!given.port.isOpen());
        QVERIFY(!given.connectToDevice(QStringLiteral("/nonexistent/tty")));
        QVERIFY(given.connectToDevice(instrument.devicePath()));
        QVERIFY(given.port.isOpen());
        QVERIFY(!storedCommPort());
        QCOMPARE(given.outcomes, QList<int>({0, 0, 0})); // a device path has no port number

        SerialDevicePort second; // the port the window and the tool use, opened again
        second.setDeviceName(instrument.devicePath());
        QVERIFY(!second.open());
        QCOMPARE(second.errorString(), instrument.devicePath() + QStringLiteral(" is in use by another program."));

        // A search where no port opens ends at once, not connected.
        nameAllPorts();
        given.connection.setTickInterval(1h);
        given.connection.connectDevice();
        QTRY_COMPARE_WITH_TIMEOUT(given.outcomes, QList<int>({0, 0, 0, 0}), 60'000);
        QVERIFY(!given.port.isOpen() && !storedCommPort());
    }
};

QTEST_GUILESS_MAIN(TestLink)
#include "test_link.moc"
