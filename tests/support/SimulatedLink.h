#pragma once

#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "support/SimulatorProcess.h"

#include <chrono>

namespace corvex {


// A real serial port, opened on the pseudo-terminal of a running corvex-sim
// holding its demonstration data, with the link on top.
class SimulatedLink
{
public:
    // Starts the simulator with `options` and opens the port. False with
    // errorString() on failure.
    bool start(const QStringList &options = {})
    {
        if (!simulator.start(QStringList(options) << QStringLiteral("--demo"))) {
            m_error = simulator.errorString();
            return false;
        }
        port.setDeviceName(simulator.devicePath());
        m_error = port.open() ? QString() : port.errorString();
        return m_error.isEmpty();
    }

    void setTickInterval(std::chrono::milliseconds interval) { link.setTickInterval(interval); }

    // Closes the port, stops the simulator and returns the commands it got.
    QStringList finish()
    {
        port.close();
        return simulator.stop();
    }

    QString errorString() const { return m_error; }

    SimulatorProcess simulator;
    SerialDevicePort port;
    SerialLink link{port};

private:
    QString m_error;
};

} // namespace corvex
