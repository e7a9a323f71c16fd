#include "JobRunner.h"

#include "DeviceConnection.h"
#include "PortTable.h"
#include "SerialLink.h"
#include "TransferJob.h"

namespace corvex {

JobRunner::JobRunner(SerialLink &link, DeviceConnection &connection, InstrumentData &data, const QString &storePath,
                     QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_connection(connection)
    , m_linkMemory(link)
    , m_memory(m_linkMemory)
    , m_transfers(m_memory, data, storePath, m_log)
{
    connect(&connection, &DeviceConnection::stateChanged, this, [this] { m_log.setPort(port()); });
}

bool JobRunner::isConnected() const
{
    return m_connection.isConnected();
}

QString JobRunner::port() const
{
    const int number = m_connection.connectedPort();
    return number == 0 ? QString() : portDescription(number, m_link.port().deviceName());
}

bool JobRunner::run(Kind kind, TransferJob *job, std::function<void(const TransferOutcome &)> ended)
{
    if (!m_busy.begin(kind)) {
        delete job;
        return false;
    }
    job->setParent(this);
    m_job = job;
    connect(job, &TransferJob::finished, this, [this, job, ended = std::move(ended)](const TransferOutcome &outcome) {
        job->deleteLater();
        if (ended)
            ended(outcome);
        const Kind kind = m_busy.kind();
        const bool closing = m_busy.end();
        emit finished(kind, outcome, closing);
    });
    m_memory.readSetting();
    job->start();
    return true;
}

void JobRunner::stop()
{
    if (!m_busy.allowsStop() || !m_job)
        return;
    m_busy.stop();
    m_job->stop();
}

void JobRunner::close()
{
    if (m_busy.isIdle() || m_busy.phase() == BusyState::Phase::Closing)
        return;
    const bool breakOff = m_busy.breaksOffAtClose();
    m_busy.close();
    if (breakOff && m_job)
        m_job->stop();
}

} // namespace corvex
