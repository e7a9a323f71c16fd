#include "link/DeviceConnection.h"
#include "link/MemoryCommands.h"
#include "link/MemoryReply.h"
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
        // Then only repeats of the unanswered read, and the substitute's value 0.
        QTest::newRow("silent from the second read") << QStringList{"--silent-from", "1042"} << 20 << QStringList{f, a, b} << false;
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

        const CommandReply &identification = awaited(sim.link->sendCommand("F1"));
        QCOMPARE(identification.reply(), QByteArray("?1F1,4178-305"));
        QVERIFY(IsIdentificationReply(identification.reply()));
        const MemoryReply &first = awaited(sim.link->readMemory(0x1041));
        QCOMPARE(first.fault(), MemoryFault::None);
        QCOMPARE(first.value(), 0x41);
        const MemoryReply &second = awaited(sim.link->readMemory(0x1042));
        QCOMPARE(second.fault(), secondOk ? MemoryFault::None : MemoryFault::NoAnswer);
        QCOMPARE(second.value(), secondOk ? 0x42 : 0);
        QStringList received = sim.finish();
        if (!secondOk)
            received.removeDuplicates();
        QCOMPARE(received, log);
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
        QCOMPARE(awaited(sim.link->writeMemory(0x5A01, 0xFF)).fault(), fault);
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
        QVERIFY(found.connectDevice());
        QCOMPARE(found.notConnected.count(), 0);
        QCOMPARE(found.connected.count(), 1);
        QCOMPARE(found.connected.at(0).at(0).toInt(), 9);
        QCOMPARE(StoredCommPort(), std::optional<int>(9));
        QCOMPARE(found.connection.connectedPort(), 9);
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
        SimulatorProcess instrument;
        QVERIFY2(instrument.start(), qPrintable(instrument.errorString()));
        SetPortDeviceOverride(2, instrument.devicePath());
        StoreCommPort(5);

        Connection moved(1000ms);
        QVERIFY(moved.connectDevice());
        QCOMPARE(moved.notConnected.count(), 1);
        QCOMPARE(moved.connected.count(), 0);
        QCOMPARE(StoredCommPort(), std::optional<int>(5));
        QVERIFY(!moved.port.isOpen());
        QVERIFY(instrument.stop().isEmpty());

        // Once the stored port is the right one, it connects there.
        SimulatorProcess there;
        QVERIFY2(there.start(), qPrintable(there.errorString()));
        SetPortDeviceOverride(5, there.devicePath());
        QVERIFY(moved.connectDevice());
        QCOMPARE(moved.connected.count(), 1);
        QCOMPARE(moved.connection.connectedPort(), 5);
    }

    void noInstrumentAnywhere()
    {
        Connection none(1h); // ports that do not open cost no time-out
        QVERIFY(none.connectDevice());
        QCOMPARE(none.notConnected.count(), 1);
        QVERIFY(!StoredCommPort());
        QCOMPARE(none.connection.connectedPort(), 0);
        // The console on a closed port: the substitute at once.
        QCOMPARE(awaited(none.link.sendCommand("F1")).error(), CommandReply::Error::PortClosed);
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
        QVERIFY(!StoredCommPort());
        QCOMPARE(given.connected.count() + given.notConnected.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLinkOverPty)
#include "test_link_over_pty.moc"
