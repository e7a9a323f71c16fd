#pragma once

#include <QProcess>
#include <QStringList>
#include <QtGlobal>

// corvex-sim on a pseudo-terminal of its own, for as long as the object
// lives. path() is the terminal to open.
class Simulator
{
public:
    explicit Simulator(const QStringList &options = {QStringLiteral("--demo")})
    {
        m_process.setProgram(QString::fromLocal8Bit(qgetenv("CORVEX_SIM")));
        m_process.setArguments(options);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return;
        while (!m_process.canReadLine() && m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(10000);
        m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    ~Simulator()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(10000);
    }

    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    bool running() const { return m_process.state() == QProcess::Running && !m_path.isEmpty(); }
    QString path() const { return m_path; }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    QString m_path;
};
