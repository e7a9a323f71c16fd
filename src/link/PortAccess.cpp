#include "PortAccess.h"

#include "LinkText.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace corvex {

DeviceAccess deviceAccess(const QString &device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(device);
    if (::access(path.constData(), R_OK | W_OK) != 0) {
        if (errno == EACCES)
            return DeviceAccess::Denied;
        if (errno == ENOENT)
            return DeviceAccess::Missing;
    }
#else
    Q_UNUSED(device);
#endif
    return DeviceAccess::Allowed;
}

QString accessDeniedMessage(const QString &device)
{
    const QFileInfo file(device);
    const QString group = file.group();
    const QFile::Permissions groupRights = QFile::ReadGroup | QFile::WriteGroup;
    if (group.isEmpty() || (file.permissions() & groupRights) != groupRights) {
        return LinkText::tr("You may not open %1: only its owner \"%2\" may read and write it. "
                            "Ask the administrator of this computer for access to it.")
            .arg(device, file.owner());
    }
    return LinkText::tr("You may not open %1: it belongs to the group \"%2\". "
                        "Add your user to the group %2 and log in again.")
        .arg(device, group);
}

QString describeOpenFailure(const QString &device, QSerialPort::SerialPortError error, const QString &errorString,
                            DeviceAccess access)
{
    if (error == QSerialPort::PermissionError) {
        switch (access) {
        case DeviceAccess::Denied:
            return accessDeniedMessage(device);
        case DeviceAccess::Allowed:
            return LinkText::tr("%1 is in use by another program.").arg(device);
        case DeviceAccess::Missing:
            // Another program opening the same absent path holds its lock file for a moment.
            return LinkText::tr("Cannot open %1: there is no such device.").arg(device);
        }
    }
    return LinkText::tr("Cannot open %1: %2").arg(device, errorString);
}

QString describeOpenFailure(const QString &device, QSerialPort::SerialPortError error, const QString &errorString)
{
    return describeOpenFailure(device, error, errorString, deviceAccess(device));
}

} // namespace corvex
