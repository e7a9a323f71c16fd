#pragma once

#include "StoreOption.h"

#include "DeviceConnection.h"
#include "DeviceTransfers.h"
#include "LinkMemory.h"
#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "VerifiedMemory.h"

#include <functional>

namespace corvex {

// Ends the work of a command with its exit code; only the first call counts.
using EndCommand = std::function<void(int exitCode)>;

// Runs `begin` from the application's event loop, run here at the top level
// of the command, until it calls `end`; returns the exit code given.
int runInEventLoop(const std::function<void(const EndCommand &end)> &begin);

class CommandContext;
class DeviceSession;

// Runs the event loop as runInEventLoop does, connects `session` as the
// options say and then runs `work`; a failed connection ends the command.
int runConnected(CommandContext &context, DeviceSession &session, const std::function<void(const EndCommand &end)> &work);

// The port, link and connection a device command works through.
class DeviceSession : public QObject
{
    Q_OBJECT

public:
    DeviceSession();

    // Connects as the options say: --port N (1..16) or --port PATH tries that
    // port only; without --port the stored port, or every port at once, as
    // the utility does. Then calls `connected` with nothing, or, when no
    // instrument answered or the options are wrong, prints why and calls it
    // with the exit code to end with.
    void connect(CommandContext &context, std::function<void(std::optional<int> failed)> connected);

    // The device the session is connected to.
    QString device() const { return m_port.deviceName(); }

    // The instrument's memory; with --verify every byte is checked.
    MemoryAccess &memory() { return m_verify ? static_cast<MemoryAccess &>(m_verified) : m_memory; }

private:
    void searchEnded(CommandContext &context, bool found);
    void deviceChecked(CommandContext &context, const QString &described, bool identified);

    SerialDevicePort m_port;
    SerialLink m_link;
    DeviceConnection m_connection;
    LinkMemory m_memory;
    VerifiedMemory m_verified{m_memory};
    bool m_verify = false;
    std::function<void(std::optional<int>)> m_connected;
};

// --port PORT, --verify and the hidden --tick-ms MS.
QList<CommandOption> deviceOptions();

// What a device command does once connected: starts its work on the
// transfers between the instrument and the loaded data (which save to the
// command's store), and calls `end` once it is done.
using TransferCommand = std::function<void(CommandContext &, Subject &, DeviceTransfers &, const EndCommand &end)>;

// Like onStore, and then connected to the instrument.
std::function<int(CommandContext &)> onInstrument(NumberArgument number, StoreUse use, TransferCommand run);

} // namespace corvex
