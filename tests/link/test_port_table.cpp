#include "link/PortTable.h"
#include "model/UserSettings.h"
#include "support/TestEnvironment.h"

#include <QTest>

// Port numbers, their devices and the stored port, in isolated user settings.
class TestPortTable : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedUserFolders> m_folders;

private Q_SLOTS:
    void init() { m_folders = std::make_unique<IsolatedUserFolders>(); }
    void cleanup() { m_folders.reset(); }

    void defaultDevices_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
        QTest::newRow("COM1") << 1 << "COM1";
        QTest::newRow("COM16") << 16 << "COM16";
#else
        QTest::newRow("COM1") << 1 << "/dev/ttyS0";
        QTest::newRow("COM5") << 5 << "/dev/ttyUSB0";
        QTest::newRow("COM13") << 13 << "/dev/ttyACM0";
        QTest::newRow("COM16") << 16 << "/dev/ttyACM3";
#endif
        QTest::newRow("17 has none") << 17 << "";
    }

    void defaultDevices()
    {
        QFETCH(int, port);
        QFETCH(QString, device);
        QCOMPARE(DefaultPortDevice(port), device);
        QCOMPARE(PortDevice(port), device);
    }

    void overridesArePerNumberAndRemovable()
    {
        SetPortDeviceOverride(3, QStringLiteral(" /dev/pts/7 "));
        QCOMPARE(PortDevice(3), QStringLiteral("/dev/pts/7"));
        QCOMPARE(PortDeviceOverride(3), QStringLiteral("/dev/pts/7"));
        QCOMPARE(PortDevice(4), DefaultPortDevice(4));
        {
            auto settings = OpenUserSettings();
            QCOMPARE(settings->value(QStringLiteral("Ports/COM3")).toString(), QStringLiteral("/dev/pts/7"));
        }
        SetPortDeviceOverride(3, QStringLiteral("  "));
        QCOMPARE(PortDevice(3), DefaultPortDevice(3));
        QVERIFY(PortDeviceOverride(3).isEmpty());

        SetPortDeviceOverride(17, QStringLiteral("/dev/pts/7"));
        QVERIFY(PortDeviceOverride(17).isEmpty());
    }

    void storedPort_data()
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
            WriteUserSetting(UserSetting::CommPort, stored);
        QCOMPARE(StoredCommPort().value_or(-1), expected);
    }

    void storingWritesTheNumber()
    {
        StoreCommPort(12);
        QCOMPARE(OpenUserSettings()->value(QStringLiteral("Settings/CommPort")).toInt(), 12);
    }
};

QTEST_GUILESS_MAIN(TestPortTable)
#include "test_port_table.moc"
