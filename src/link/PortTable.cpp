#include "link/PortTable.h"

#include "model/UserSettings.h"

namespace {

struct DeviceRange
{
    int firstPort;
    int lastPort;
    const char *devicePrefix;
};

constexpr DeviceRange LinuxDevices[] = {
    {1, 4, "/dev/ttyS"},
    {5, 12, "/dev/ttyUSB"},
    {13, 16, "/dev/ttyACM"},
};

QString overrideKey(int port)
{
    return PortName(port);
}

} // namespace

bool IsValidPortNumber(int port)
{
    return port >= FirstPort && port <= LastPort;
}

QString PortName(int port)
{
    return QStringLiteral("COM%1").arg(port);
}

QString portDescription(int port, const QString &device)
{
    return QStringLiteral("%1 (%2)").arg(PortName(port), device);
}

QString DefaultPortDevice(int port)
{
    if (!IsValidPortNumber(port))
        return {};
#ifdef Q_OS_WIN
    return PortName(port);
#else
    for (const DeviceRange &range : LinuxDevices) {
        if (port >= range.firstPort && port <= range.lastPort)
            return QLatin1String(range.devicePrefix) + QString::number(port - range.firstPort);
    }
    return {};
#endif
}

QString PortDeviceOverride(int port)
{
    if (!IsValidPortNumber(port))
        return {};
    auto settings = OpenUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::PortsGroup));
    return settings->value(overrideKey(port)).toString().trimmed();
}

void SetPortDeviceOverride(int port, const QString &device)
{
    if (!IsValidPortNumber(port))
        return;
    auto settings = OpenUserSettings();
    settings->beginGroup(QLatin1String(UserSetting::PortsGroup));
    const QString path = device.trimmed();
    if (path.isEmpty())
        settings->remove(overrideKey(port));
    else
        settings->setValue(overrideKey(port), path);
}

QString PortDevice(int port)
{
    const QString custom = PortDeviceOverride(port);
    return custom.isEmpty() ? DefaultPortDevice(port) : custom;
}

std::optional<int> StoredCommPort()
{
    if (!HasUserSetting(UserSetting::CommPort))
        return std::nullopt;
    bool isNumber = false;
    const int port = ReadUserSetting(UserSetting::CommPort).toString().trimmed().toInt(&isNumber);
    if (!isNumber || (port != 0 && !IsValidPortNumber(port)))
        return std::nullopt;
    return port;
}

void StoreCommPort(int port)
{
    WriteUserSetting(UserSetting::CommPort, port);
}
