#include "link/PortAccess.h"
#include "link/PortTable.h"
#include "link/SerialDevicePort.h"
#include "model/UserSettings.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

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
        QTest::newRow("COM1") << 1 << "/dev/ttyS0";
        QTest::newRow("COM16") << 16 << "/dev/ttyACM3";
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
        StoreCommPort(12);
        QCOMPARE(OpenUserSettings()->value(QStringLiteral("Settings/CommPort")).toInt(), 12);
    }

    // A permission error is told apart by the device's rights: the user who
    // may not open it learns which group to join; otherwise another program
    // holds it. Runs as root too, where every device opens.
    void openFailureSaysWhatToDo_data()
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

    // A second open of a held pseudo-terminal, through the port the window
    // and the tool use.
    void heldPortIsInUse()
    {
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString device = QString::fromLocal8Bit(::ptsname(master));

        SerialDevicePort holder, second;
        holder.setDeviceName(device);
        second.setDeviceName(device);
        QVERIFY2(holder.open(), qPrintable(holder.errorString()));
        QVERIFY(!second.open());
        QCOMPARE(second.errorString(), device + QStringLiteral(" is in use by another program."));
        holder.close();
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(TestPortTable)
#include "test_port_table.moc"
