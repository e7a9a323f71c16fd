#pragma once

#include <QSerialPort>
#include <QString>

namespace corvex {

// Why a serial device would not open, in words a user can act on.
//
// QSerialPort reports PermissionError both for a device the user may not
// open (EACCES: on Debian serial devices belong to the group "dialout") and
// for one another program holds (its lock file, or TIOCEXCL's EBUSY). The
// file's access rights tell them apart.

enum class DeviceAccess { Allowed, Denied, Missing };

// Whether this user may read and write the device (always Allowed for root
// when it exists).
DeviceAccess deviceAccess(const QString &device);

// The message for a failed open of device, such as
//   You may not open /dev/ttyS0: it belongs to the group "dialout". Add your
//   user to the group dialout and log in again.
//   /dev/pts/3 is in use by another program.
// and otherwise "Cannot open <device>: <errorString>".
QString describeOpenFailure(const QString &device, QSerialPort::SerialPortError error, const QString &errorString);

// The same with the access already known.
QString describeOpenFailure(const QString &device, QSerialPort::SerialPortError error, const QString &errorString,
                            DeviceAccess access);

// The hint for a device this user may not open: which group owns it and
// what to do about it.
QString accessDeniedMessage(const QString &device);

} // namespace corvex
