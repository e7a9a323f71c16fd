#pragma once

#include "link/SerialDevicePort.h"
#include "link/SerialLink.h"
#include "support/SimulatorProcess.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

// A real serial port, opened on the pseudo-terminal of a running corvex-sim,
// with the link on top. The memory image the simulator starts from can be
// given; the image it leaves behind can be read after finish().
class SimulatedLink
{
    // Declared first, so it is removed only after the simulator has stopped.
    QTemporaryDir m_dir;

public:
    static constexpr int MemorySize = 0x10000;

    // Starts the simulator with `options` on a memory image (all zero unless
    // given) and opens the port. False with errorString() on failure.
    bool start(const QStringList &options = {}, const QByteArray &memory = {})
    {
        if (!m_dir.isValid()) {
            m_error = QStringLiteral("no temporary folder");
            return false;
        }
        QFile image(memoryFile());
        if (!image.open(QIODevice::WriteOnly) || image.write(memory.leftJustified(MemorySize, '\0', true)) != MemorySize) {
            m_error = QStringLiteral("cannot write %1").arg(memoryFile());
            return false;
        }
        image.close();
        if (!simulator.start(QStringList(options) << QStringLiteral("--memory") << memoryFile())) {
            m_error = simulator.errorString();
            return false;
        }
        port = std::make_unique<SerialDevicePort>();
        link = std::make_unique<SerialLink>(*port);
        port->setDeviceName(simulator.devicePath());
        if (!port->open()) {
            m_error = port->errorString();
            return false;
        }
        return true;
    }

    void setTickInterval(std::chrono::milliseconds interval) { link->setTickInterval(interval); }

    // Closes the port, stops the simulator and returns the commands it got.
    QStringList finish()
    {
        if (port)
            port->close();
        return simulator.stop();
    }

    // The simulator's memory as it saved it (after finish()).
    QByteArray savedMemory() const
    {
        QFile image(memoryFile());
        return image.open(QIODevice::ReadOnly) ? image.readAll() : QByteArray();
    }

    QString memoryFile() const { return m_dir.filePath(QStringLiteral("memory.bin")); }
    QString errorString() const { return m_error; }

    SimulatorProcess simulator;
    std::unique_ptr<SerialDevicePort> port;
    std::unique_ptr<SerialLink> link;

private:
    QString m_error;
};
