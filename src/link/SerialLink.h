#pragma once

#include "CommandReply.h"
#include "DevicePort.h"
#include "MemoryReply.h"
#include "ReceiveRules.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

namespace corvex {

// The request/reply transactions with the instrument over a DevicePort.
//
// sendCommand queues the command and returns its reply at once. Commands go
// out one at a time, in the order given: a transaction writes "!1" + command
// + CR and ends when a reply with the expected prefix has been completed by
// CR (receive rules in ReceiveRules.h), resending the line on each tick of
// tmTimeOut; after the sixth tick it ends with Timeout and the substitute
// reply. The next transaction starts once the previous has ended and its
// output has drained. A command whose turn comes while the port is closed
// ends at once with PortClosed (nothing is written); a port that goes away
// during a transaction ends it with PortLost.
//
// readMemory / writeMemory run the memory commands (MemoryCommands.h) on top,
// with up to five attempts each.
class SerialLink : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultTickInterval{1000};
    static constexpr int maxTicks = 6;

    explicit SerialLink(DevicePort &port, QObject *parent = nullptr);
    ~SerialLink() override;

    CommandReply *sendCommand(const QByteArray &command);

    // Reads one byte: "25," + hexDigits(address, 4). The reply's parent is the link.
    MemoryReply *readMemory(qint32 address);
    // Writes one byte: "26," + hexDigits(address, 4) + "," + hexDigits(value, 2).
    MemoryReply *writeMemory(qint32 address, qint32 value);

    DevicePort &port() const { return m_port; }

    // The period of tmTimeOut; 1000 ms unless a test shortens it.
    void setTickInterval(std::chrono::milliseconds interval);

private:
    void startNext();
    void readPort();
    void tick();
    void portLost();
    void endTransaction(const QByteArray &reply, CommandReply::Error error);

    DevicePort &m_port;
    QTimer m_timeOut;
    ReceiveState m_receive;
    QByteArray m_sentLine;
    int m_ticks = 0;
    QList<QPointer<CommandReply>> m_queue;
    // The transaction on the wire; it stays current even when its reply has
    // been aborted or deleted, so that the line keeps its exact timing.
    QPointer<CommandReply> m_current;
    bool m_inTransaction = false;
};

} // namespace corvex
