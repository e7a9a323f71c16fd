#pragma once

#include "support/BuiltPrograms.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

namespace corvex {

// Runs corvex-sim (see BuiltPrograms.h) for a
// test: starts it with the given options (always logging), reads the path of
// its pseudo-terminal and stops it cleanly at the end.
class SimulatorProcess
{
public:
    SimulatorProcess() = default;
    Q_DISABLE_COPY_MOVE(SimulatorProcess)
    ~SimulatorProcess() { stop(); }

    // False when the simulator could not be started; errorString() says why.
    bool start(const QStringList &options = {})
    {
        m_process.start(simulatorProgram(), QStringList(options) << QStringLiteral("--verbose"));
        if (!m_process.waitForStarted(10'000)) {
            m_error = m_process.errorString();
            return false;
        }
        const QDeadlineTimer deadline(10'000);
        while (!m_process.canReadLine()) {
            if (deadline.hasExpired() || m_process.state() != QProcess::Running) {
                m_error = QStringLiteral("no device path from corvex-sim: %1")
                              .arg(QString::fromLocal8Bit(m_process.readAllStandardError()));
                return false;
            }
            m_process.waitForReadyRead(100);
        }
        m_devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        return true;
    }

    QString devicePath() const { return m_devicePath; }
    QString errorString() const { return m_error; }

    // Ends the simulator (it saves its memory file on the way) and returns the
    // commands it received, in order, such as "25,2000". Safe to call twice.
    QStringList stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(10'000)) {
                m_process.kill();
                m_process.waitForFinished(10'000);
            }
            m_log += m_process.readAllStandardError();
        }
        QStringList commands;
        for (const QByteArray &line : m_log.split('\n')) {
            if (line.startsWith("command: "))
                commands << QString::fromLatin1(line.mid(9));
        }
        return commands;
    }


private:
    QProcess m_process;
    QString m_devicePath;
    QString m_error;
    QByteArray m_log;
};

} // namespace corvex
