#pragma once

#include <QString>

#include <optional>

namespace corvex {

// The user picks a port by number, 1..16, shown as "COM1".."COM16". On
// Windows port n is the device COMn. Elsewhere a fixed table maps the
// numbers to device paths:
//   COM1..COM4   /dev/ttyS0..3     built-in serial ports, in the order the
//                                  PC firmware numbers them
//   COM5..COM12  /dev/ttyUSB0..7   USB serial adapters with their own chip
//   COM13..COM16 /dev/ttyACM0..3   USB adapters of the modem class
// and each number can be pointed elsewhere per user (group "Ports", key
// "COM<n>", a device path), for an adapter with another name or for the
// simulator's pseudo-terminal.

inline constexpr int firstPort = 1;
inline constexpr int lastPort = 16;

bool isValidPortNumber(int port);

// "COM3" for 3.
QString portName(int port);

// A port as logs and backups name it: "COM3 (/dev/ttyUSB0)".
QString portDescription(int port, const QString &device);

// The built-in device of a port number.
QString defaultPortDevice(int port);

// The user's override of a port number, empty when there is none.
QString portDeviceOverride(int port);

// Sets the override; an empty (or blank) path removes it.
void setPortDeviceOverride(int port, const QString &device);

// The device that port n opens: the override if set, else the default.
QString portDevice(int port);

// The stored "CommPort": 0 means search all ports. nullopt when the key is
// missing, or holds anything but a whole number 0..16.
std::optional<int> storedCommPort();
void storeCommPort(int port);

} // namespace corvex
