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

} // namespace

// The link over a real QSerialPort on corvex-sim's pseudo-terminal.
class TestLinkOverPty : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedUserFolders> m_folders;

    // Points every port number at a path that does not exist, so a search
    // never touches this machine's real serial ports.
    static void hideAllPorts()
    {
        for (int port = FirstPort; port <= LastPort; ++port)
            SetPortDeviceOverride(port, QStringLiteral("/nonexistent/corvex-test-port%1").arg(port));
    }

private Q_SLOTS:
    void init() { m_folders = std::make_unique<IsolatedUserFolders>(); }
    void cleanup() { m_folders.reset(); }

    void identifiesTheInstrument()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        const TransactionResult reply = sim.link->SendCommand("F1");
        QCOMPARE(reply.reply, QByteArray("?1F1,4178-305"));
        QVERIFY(IsIdentificationReply(reply.reply));
        QCOMPARE(sim.finish(), QStringList{QStringLiteral("F1")});
    }

    void memoryCommandsUnderFaults_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("tickMs");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("secondOk");

        const QString a = QStringLiteral("25,1041");
        const QString b = QStringLiteral("25,1042");
        QTest::newRow("CR LF") << QStringList() << 1000 << QStringList{a, b} << true;
        QTest::newRow("CR alone") << QStringList{"--line-end", "cr"} << 1000 << QStringList{a, b} << true;
        QTest::newRow("noise before each reply") << QStringList{"--noise", "#x\r\n"} << 1000 << QStringList{a, b} << true;
        QTest::newRow("replies in pieces of 3") << QStringList{"--split", "3", "--split-delay", "2"} << 1000 << QStringList{a, b} << true;
        QTest::newRow("replies character by character") << QStringList{"--split", "1", "--split-delay", "0"} << 1000 << QStringList{a, b} << true;
        QTest::newRow("second reply dropped, resent on the tick") << QStringList{"--drop-every", "2"} << 250 << QStringList{a, b, b} << true;
        QTest::newRow("second reply with a wrong address, read again") << QStringList{"--wrong-address-every", "2"} << 1000 << QStringList{a, b, b} << true;
        QTest::newRow("silent after one command")
            << QStringList{"--silent-after", "1"} << 20 << (QStringList{a} + QStringList(MemoryAttempts * SerialLink::MaxTicks, b)) << false;
    }

    void memoryCommandsUnderFaults()
    {
        QFETCH(QStringList, options);
        QFETCH(int, tickMs);
        QFETCH(QStringList, log);
        QFETCH(bool, secondOk);

        SimulatedLink sim;
        QVERIFY2(sim.start(options, patternedMemory()), qPrintable(sim.errorString()));
        sim.setTickInterval(std::chrono::milliseconds(tickMs));

        const MemoryReadResult first = ReadMemory(*sim.link, 0x1041);
        QVERIFY(first.ok());
        QCOMPARE(first.value, 0x41);
        const MemoryReadResult second = ReadMemory(*sim.link, 0x1042);
        QCOMPARE(second.ok(), secondOk);
        QCOMPARE(second.value, secondOk ? 0x42 : 0);
        QCOMPARE(second.fault, secondOk ? MemoryFault::None : MemoryFault::NoAnswer);
        QCOMPARE(sim.finish(), log);
    }

    void writesAreEchoedAndStored()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        QVERIFY(WriteMemory(*sim.link, 0x1000, 0x41).ok());
        QVERIFY(WriteMemory(*sim.link, 0x5A01, 0xFF).ok());
        QCOMPARE(ReadMemory(*sim.link, 0x1000).value, 0x41);
        sim.finish();
        const QByteArray memory = sim.savedMemory();
        QCOMPARE(memory.size(), SimulatedLink::MemorySize);
        QCOMPARE(quint8(memory[0x1000]), quint8(0x41));
        QCOMPARE(quint8(memory[0x5A01]), quint8(0xFF));
    }

    void wrongEchoOfAWriteIsTriedFiveTimes()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start({"--wrong-value-every", "1"}), qPrintable(sim.errorString()));
        QCOMPARE(WriteMemory(*sim.link, 0x1000, 0x41).fault, MemoryFault::WrongAnswer);
        QCOMPARE(sim.finish(), QStringList(MemoryAttempts, QStringLiteral("26,1000,41")));
    }

    void silentInstrumentGetsSixLinesThenTheSubstitute()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start({"--silent"}), qPrintable(sim.errorString()));
        sim.setTickInterval(20ms);
        const TransactionResult result = sim.link->SendCommand("25,2000");
        QCOMPARE(result.ending, TransactionResult::Ending::TimedOut);
        QCOMPARE(result.reply, QByteArray("?12500000000"));
        QCOMPARE(sim.link->ReplyBuffer(), QByteArray("?12500000000"));
        QCOMPARE(sim.finish(), QStringList(SerialLink::MaxTicks, QStringLiteral("25,2000")));
    }

    void searchFindsTheHighestAnsweringPort()
    {
        hideAllPorts();
        SimulatorProcess low, high, silent;
        QVERIFY2(low.start(), qPrintable(low.errorString()));
        QVERIFY2(high.start(), qPrintable(high.errorString()));
        QVERIFY2(silent.start({"--silent"}), qPrintable(silent.errorString()));
        SetPortDeviceOverride(3, low.devicePath());
        SetPortDeviceOverride(9, high.devicePath());
        SetPortDeviceOverride(12, silent.devicePath());

        SerialDevicePort port;
        SerialLink link(port);
        link.setTickInterval(20ms);
        DeviceConnection connection(link);
        QSignalSpy connected(&connection, &DeviceConnection::connected);
        QSignalSpy notConnected(&connection, &DeviceConnection::notConnected);

        connection.ConnectDevice();
        QCOMPARE(connected.count(), 1);
        QCOMPARE(connected.at(0).at(0).toInt(), 9);
        QCOMPARE(notConnected.count(), 0);
        QCOMPARE(StoredCommPort(), std::optional<int>(9));
        QCOMPARE(connection.connectedPort(), 9);
        QVERIFY(port.isOpen());
        QCOMPARE(port.deviceName(), high.devicePath());
        QCOMPARE(link.SendCommand("F1").reply, QByteArray("?1F1,4178-305"));

        connection.ClosePort();
        QCOMPARE(low.stop(), QStringList{QStringLiteral("F1")});
        QCOMPARE(high.stop(), (QStringList{QStringLiteral("F1"), QStringLiteral("F1")}));
        QCOMPARE(silent.stop(), QStringList(SerialLink::MaxTicks, QStringLiteral("F1")));
    }

    void storedPortIsTheOnlyOneTried()
    {
        hideAllPorts();
        SimulatorProcess instrument;
        QVERIFY2(instrument.start(), qPrintable(instrument.errorString()));
        SetPortDeviceOverride(2, instrument.devicePath());
        StoreCommPort(5);

        SerialDevicePort port;
        SerialLink link(port);
        DeviceConnection connection(link);
        QSignalSpy connected(&connection, &DeviceConnection::connected);
        QSignalSpy notConnected(&connection, &DeviceConnection::notConnected);

        connection.ConnectDevice();
        QCOMPARE(notConnected.count(), 1);
        QCOMPARE(connected.count(), 0);
        QCOMPARE(StoredCommPort(), std::optional<int>(5));
        QVERIFY(!port.isOpen());
        QVERIFY(instrument.stop().isEmpty());

        // Once the stored port is the right one, it connects there.
        SimulatorProcess moved;
        QVERIFY2(moved.start(), qPrintable(moved.errorString()));
        SetPortDeviceOverride(5, moved.devicePath());
        connection.ConnectDevice();
        QCOMPARE(connected.count(), 1);
        QCOMPARE(connected.at(0).at(0).toInt(), 5);
        QCOMPARE(ConnectionTitle(connection.connectedPort()), QStringLiteral("Varnel Corvex - connected on COM5"));
    }

    void noInstrumentAnywhere()
    {
        hideAllPorts();
        SerialDevicePort port;
        SerialLink link(port);
        link.setTickInterval(1h); // ports that do not open cost no time-out
        DeviceConnection connection(link);
        QSignalSpy notConnected(&connection, &DeviceConnection::notConnected);
        connection.ConnectDevice();
        QCOMPARE(notConnected.count(), 1);
        QVERIFY(!StoredCommPort());
        QCOMPARE(connection.connectedPort(), 0);

        // The console on a closed port: the substitute at once.
        QCOMPARE(link.SendCommand("F1").ending, TransactionResult::Ending::PortClosed);
    }

    void connectToAGivenDevice()
    {
        SimulatorProcess instrument, other;
        QVERIFY2(instrument.start(), qPrintable(instrument.errorString()));
        QVERIFY2(other.start({"--silent"}), qPrintable(other.errorString()));
        SerialDevicePort port;
        SerialLink link(port);
        link.setTickInterval(20ms);
        DeviceConnection connection(link);

        QVERIFY(!connection.ConnectToDevice(other.devicePath()));
        QVERIFY(!port.isOpen());
        QVERIFY(!connection.ConnectToDevice(QStringLiteral("/nonexistent/tty")));
        QVERIFY(connection.ConnectToDevice(instrument.devicePath()));
        QVERIFY(port.isOpen());
        QVERIFY(!StoredCommPort());
    }
};

QTEST_GUILESS_MAIN(TestLinkOverPty)
#include "test_link_over_pty.moc"
