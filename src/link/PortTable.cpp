#include "PortTable.h"

#include "UserSettings.h"

namespace corvex {

namespace {

struct DeviceRange
{
    int firstPort;
    int lastPort;
    const char *devicePrefix;
};

constexpr DeviceRange linuxDevices[] = {
    {1, 4, "/dev/ttyS"},
    {5, 12, "/dev/ttyUSB"},
    {13, 16, "/dev/ttyACM"},
};

QString overrideKey(int port)
{
    return portName(port);
}

} // namespace

bool isValidPortNumber(int port)
{
    return port >= firstPort && port <= lastPort;
}

QString portName(int port)
{
    return QStringLiteral("COM%1").arg(port);
}

QString portDescription(int port, const QString &device)
{
    return QStringLiteral("%1 (%2)").arg(portName(port), device);
}

QString defaultPortDevice(int port)
{
    if (!isValidPortNumber(port))
        return {};
#ifdef Q_OS_WIN
    return PortName(port);
#else
    for (const DeviceRange &range : linuxDevices) {
        if (port >= range.firstPort && port <= range.lastPort)
            return QLatin1String(range.devicePrefix) + QString::number(port - range.firstPort);
    }
    return {};
#endif
}

QString portDeviceOverride(int port)
{
    if (!isValidPortNumber(port))
        return {};
    auto settings = openUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::portsGroup));
    return settings->value(overrideKey(port)).toString().trimmed();
}

void setPortDeviceOverride(int port, const QString &device)
{
    if (!isValidPortNumber(port))
        return;
    auto settings = openUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::portsGroup));
    const QString path = device.trimmed();
    if (path.isEmpty())
        settings->remove(overrideKey(port));
    else
        settings->setValue(overrideKey(port), path);
}

QString portDevice(int port)
{
    const QString custom = portDeviceOverride(port);
    return custom.isEmpty() ? defaultPortDevice(port) : custom;
}

std::optional<int> storedCommPort()
{
    if (!hasUserSetting(UserSetting::commPort))
        return std::nullopt;
    bool isNumber = false;
    const int port = readUserSetting(UserSetting::commPort).toString().trimmed().toInt(&isNumber);
    if (!isNumber || (port != 0 && !isValidPortNumber(port)))
        return std::nullopt;
    return port;
}

void storeCommPort(int port)
{
    writeUserSetting(UserSetting::commPort, port);
}

} // namespace corvex
