#pragma once

#include "StoreOption.h"

#include "link/DeviceConnection.h"
#include "link/SerialDevicePort.h"
#include "link/SerialLink.h"
#include "transfer/DeviceTransfers.h"
#include "transfer/LinkMemory.h"

// The port, link and connection a device command works through.
class DeviceSession
{
public:
    DeviceSession();

    // Connects as the options say: --port N (1..16) or --port PATH tries that
    // port only; without --port the stored port, or every port, as the utility
    // does. When no instrument answered or the options are wrong, prints why
    // and gives the exit code to end with.
    std::optional<int> connect(CommandContext &context);

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

using TransferCommand = std::function<int(CommandContext &, Subject &, DeviceTransfers &)>;

// Like OnStore, and then connected to the instrument: `run` gets the
// transfers between the instrument and the loaded data, which save to the
// command's store.
std::function<int(CommandContext &)> OnInstrument(NumberArgument number, StoreUse use, TransferCommand run);
