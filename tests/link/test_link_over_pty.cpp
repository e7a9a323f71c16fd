#include "link/DeviceConnection.h"
#include "link/MemoryCommands.h"
#include "link/PortTable.h"
#include "support/SimulatedLink.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// Memory where each reagent byte holds the low byte of its address.
QByteArray patternedMemory()
{
    QByteArray memory(SimulatedLink::MemorySize, '\0');
    for (int address = 0x1000; address < 0x1100; ++address)
        memory[address] = static_cast<char>(address & 0xFF);
    return memory;
}

// A real port and link with the connection on top, watching what it reports.
struct Connection
{
    explicit Connection(std::chrono::milliseconds tick) { link.setTickInterval(tick); }

    SerialDevicePort port;
    SerialLink link{port};
    DeviceConnection connection{link};
    QSignalSpy connected{&connection, &DeviceConnection::connected};
    QSignalSpy notConnected{&connection, &DeviceConnection::notConnected};
};

} // namespace

// The link over a real QSerialPort on corvex-sim's pseudo-terminal.
class TestLinkOverPty : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedUserFolders> m_folders;

private Q_SLOTS:
    // Every port number points at a path that does not exist, so a search
    // never touches this machine's real serial ports.
    void init()
    {
        m_folders = std::make_unique<IsolatedUserFolders>();
        for (int port = FirstPort; port <= LastPort; ++port)
            SetPortDeviceOverride(port, QStringLiteral("/nonexistent/corvex-test-port%1").arg(port));
    }
    void cleanup() { m_folders.reset(); }

    void identifyAndReadUnderFaults_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("tickMs");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("secondOk");

        const QString f = QStringLiteral("F1");
        const QString a = QStringLiteral("25,1041");
        const QString b = QStringLiteral("25,1042");
        QTest::newRow("CR LF") << QStringList() << 1000 << QStringList{f, a, b} << true;
        QTest::newRow("CR alone") << QStringList{"--line-end", "cr"} << 1000 << QStringList{f, a, b} << true;
        QTest::newRow("noise before each reply") << QStringList{"--noise", "#x\r\n"} << 1000 << QStringList{f, a, b} << true;
        QTest::newRow("replies in pieces of 3") << QStringList{"--split", "3", "--split-delay", "2"} << 1000 << QStringList{f, a, b} << true;
        QTest::newRow("replies character by character") << QStringList{"--split", "1", "--split-delay", "0"} << 1000 << QStringList{f, a, b} << true;
        QTest::newRow("every second reply dropped, resent on the tick") << QStringList{"--drop-every", "2"} << 250 << QStringList{f, a, a, b, b} << true;
        QTest::newRow("every second reply with a wrong address, read again") << QStringList{"--wrong-address-every", "2"} << 1000 << QStringList{f, a, a, b, b} << true;
        // Six lines per transaction, five transactions, then the substitute's value 0.
        QTest::newRow("silent after two commands")
            << QStringList{"--silent-after", "2"} << 20 << (QStringList{f, a} + QStringList(MemoryAttempts * SerialLink::MaxTicks, b)) << false;
    }

    void identifyAndReadUnderFaults()
    {
        QFETCH(QStringList, options);
        QFETCH(int, tickMs);
        QFETCH(QStringList, log);
        QFETCH(bool, secondOk);

        SimulatedLink sim;
        QVERIFY2(sim.start(options, patternedMemory()), qPrintable(sim.errorString()));
        sim.setTickInterval(std::chrono::milliseconds(tickMs));

        const TransactionResult identification = sim.link->SendCommand("F1");
        QCOMPARE(identification.reply, QByteArray("?1F1,4178-305"));
        QVERIFY(IsIdentificationReply(identification.reply));
        const MemoryReadResult first = ReadMemory(*sim.link, 0x1041);
        QCOMPARE(first.fault, MemoryFault::None);
        QCOMPARE(first.value, 0x41);
        const MemoryReadResult second = ReadMemory(*sim.link, 0x1042);
        QCOMPARE(second.fault, secondOk ? MemoryFault::None : MemoryFault::NoAnswer);
        QCOMPARE(second.value, secondOk ? 0x42 : 0);
        QCOMPARE(sim.finish(), log);
    }

    void writes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<MemoryFault>("fault");
        QTest::addColumn<int>("attempts");
        QTest::newRow("echoed and stored") << QStringList() << MemoryFault::None << 1;
        QTest::newRow("a wrong echo is tried five times") << QStringList{"--wrong-value-every", "1"} << MemoryFault::WrongAnswer << 5;
    }

    void writes()
    {
        QFETCH(QStringList, options);
        QFETCH(MemoryFault, fault);
        QFETCH(int, attempts);

        SimulatedLink sim;
        QVERIFY2(sim.start(options), qPrintable(sim.errorString()));
        QCOMPARE(WriteMemory(*sim.link, 0x5A01, 0xFF).fault, fault);
        QCOMPARE(sim.finish(), QStringList(attempts, QStringLiteral("26,5A01,FF")));
        QCOMPARE(quint8(sim.savedMemory().at(0x5A01)), quint8(0xFF));
    }

    void searchFindsTheHighestAnsweringPort()
    {
        SimulatorProcess low, high, silent;
        QVERIFY2(low.start() && high.start() && silent.start({"--silent"}), "corvex-sim did not start");
        SetPortDeviceOverride(3, low.devicePath());
        SetPortDeviceOverride(9, high.devicePath());
        SetPortDeviceOverride(12, silent.devicePath());

        Connection found(20ms);
        found.connection.ConnectDevice();
        QCOMPARE(found.notConnected.count(), 0);
        QCOMPARE(found.connected.count(), 1);
        QCOMPARE(found.connected.at(0).at(0).toInt(), 9);
        QCOMPARE(StoredCommPort(), std::optional<int>(9));
        QCOMPARE(found.connection.connectedPort(), 9);
        QCOMPARE(found.port.deviceName(), high.devicePath());
        QCOMPARE(found.link.SendCommand("F1").reply, QByteArray("?1F1,4178-305")); // the port stays open

        found.connection.ClosePort();
        QCOMPARE(low.stop(), QStringList{QStringLiteral("F1")});
        QCOMPARE(high.stop(), (QStringList{QStringLiteral("F1"), QStringLiteral("F1")}));
        QCOMPARE(silent.stop(), QStringList(SerialLink::MaxTicks, QStringLiteral("F1")));
    }

    void storedPortIsTheOnlyOneTried()
    {
        SimulatorProcess instrument;
        QVERIFY2(instrument.start(), qPrintable(instrument.errorString()));
        SetPortDeviceOverride(2, instrument.devicePath());
        StoreCommPort(5);

        Connection moved(1000ms);
        moved.connection.ConnectDevice();
        QCOMPARE(moved.notConnected.count(), 1);
        QCOMPARE(moved.connected.count(), 0);
        QCOMPARE(StoredCommPort(), std::optional<int>(5));
        QVERIFY(!moved.port.isOpen());
        QVERIFY(instrument.stop().isEmpty());

        // Once the stored port is the right one, it connects there.
        SimulatorProcess there;
        QVERIFY2(there.start(), qPrintable(there.errorString()));
        SetPortDeviceOverride(5, there.devicePath());
        moved.connection.ConnectDevice();
        QCOMPARE(moved.connected.count(), 1);
        QCOMPARE(ConnectionTitle(moved.connection.connectedPort()), QStringLiteral("Varnel Corvex - connected on COM5"));
    }

    void noInstrumentAnywhere()
    {
        Connection none(1h); // ports that do not open cost no time-out
        none.connection.ConnectDevice();
        QCOMPARE(none.notConnected.count(), 1);
        QVERIFY(!StoredCommPort());
        QCOMPARE(none.connection.connectedPort(), 0);
        // The console on a closed port: the substitute at once.
        QCOMPARE(none.link.SendCommand("F1").ending, TransactionResult::Ending::PortClosed);
    }

    void connectToAGivenDevice()
    {
        SimulatorProcess instrument, other;
        QVERIFY2(instrument.start() && other.start({"--silent"}), "corvex-sim did not start");
        Connection given(20ms);
        QVERIFY(!given.connection.ConnectToDevice(other.devicePath()));
        QVERIFY(!given.port.isOpen());
        QVERIFY(!given.connection.ConnectToDevice(QStringLiteral("/nonexistent/tty")));
        QVERIFY(given.connection.ConnectToDevice(instrument.devicePath()));
        QVERIFY(given.port.isOpen());
        QVERIFY(!StoredCommPort());
        QCOMPARE(given.connected.count() + given.notConnected.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLinkOverPty)
#include "test_link_over_pty.moc"
