#pragma once

#include "BusyState.h"
#include "DeviceTransfers.h"
#include "LinkMemory.h"
#include "TransferLog.h"
#include "TransferOutcome.h"
#include "UserVerifiedMemory.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace corvex {

class DeviceConnection;
class SerialLink;
class TransferJob;

// Runs the window's jobs, one at a time: reads and sends from the tabs, Read
// ALL, backup, restore and Compare's read of the instrument. It owns what
// they share: the busy state, the memory stack on the link (verified as the
// user's setting says when each job starts), the transfers on the data, and
// the window's transfer log with the port it names.
//
// run() starts a job in the busy state of its kind; when the job has
// finished, the caller's `ended` runs, the state becomes idle again and
// finished() follows. stop() asks the job under way to stop; closing()
// breaks off what can be broken off (a read) and lets the rest finish.
class JobRunner : public QObject
{
    Q_OBJECT

public:
    using Kind = BusyState::Kind;

    JobRunner(SerialLink &link, DeviceConnection &connection, InstrumentData &data, const QString &storePath,
              QObject *parent = nullptr);

    BusyState &busy() { return m_busy; }
    DeviceTransfers &transfers() { return m_transfers; }
    MemoryAccess &memory() { return m_memory; }
    TransferLog &log() { return m_log; }
    bool isConnected() const;
    // "COM2 (/dev/ttyS1)" while connected, otherwise empty.
    QString port() const;

    // Starts `job` (which this then owns) unless another runs, in which case
    // the job is deleted unstarted and the answer is false.
    bool run(Kind kind, TransferJob *job, std::function<void(const TransferOutcome &)> ended = {});
    // Stop, where the job under way can be stopped (a send always finishes).
    void stop();
    // The window is to close once the job has ended.
    void close();

Q_SIGNALS:
    // After `ended` and with the state idle again; `closing` when the window
    // asked to close meanwhile.
    void finished(corvex::BusyState::Kind kind, const corvex::TransferOutcome &outcome, bool closing);

private:
    SerialLink &m_link;
    DeviceConnection &m_connection;
    BusyState m_busy;
    TransferLog m_log;
    LinkMemory m_linkMemory;
    UserVerifiedMemory m_memory;
    DeviceTransfers m_transfers;
    QPointer<TransferJob> m_job;
};

} // namespace corvex
