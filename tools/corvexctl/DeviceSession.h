#pragma once

#include "Command.h"

#include "link/DeviceConnection.h"
#include "link/SerialDevicePort.h"
#include "link/SerialLink.h"
#include "transfer/LinkMemory.h"

// The port, link and connection a device command works through.
class DeviceSession
{
public:
    DeviceSession();

    // Connects as the options say: --port N (1..16) or --port PATH tries that
    // port only; without --port the stored port, or every port, as the utility
    // does. Prints its own message and gives false when no instrument answered
    // or the options are wrong (`exitCode` tells which).
    bool connect(CommandContext &context, int &exitCode);

    // The device the session is connected to.
    QString device() const { return m_port.deviceName(); }

    LinkMemory &memory() { return m_memory; }

private:
    SerialDevicePort m_port;
    SerialLink m_link;
    DeviceConnection m_connection;
    LinkMemory m_memory;
};

// --port PORT and the hidden --tick-ms MS.
QList<CommandOption> DeviceOptions();
