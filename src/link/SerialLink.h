#pragma once

#include "link/CommandChannel.h"
#include "link/DevicePort.h"
#include "link/ReceiveRules.h"

#include <QObject>
#include <QTimer>

#include <chrono>

// The request/reply transaction with the instrument over a DevicePort.
//
// SendCommand writes the command line and waits in a local event loop until
// a reply with the expected prefix has been completed by CR, resending the
// line on each tick of tmTimeOut; after the sixth tick the transaction ends
// with the substitute reply. The user interface stays alive while it waits.
//
// A SendCommand issued while another transaction is pending (from a handler
// that runs inside the wait) first waits until that transaction has ended
// and the output has drained, then runs its own. Every call gets the reply
// of its own transaction; ReplyBuffer() shows the shared buffer as the
// receive handler leaves it.
//
// When the port is not open, SendCommand ends at once with the substitute
// and TransactionResult::Ending::PortClosed: no line is written and no time
// is spent waiting. A port that goes away during a transaction ends it the
// same way.
class SerialLink : public QObject, public CommandChannel
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultTickInterval{1000};
    static constexpr int MaxTicks = 6;

    explicit SerialLink(DevicePort &port, QObject *parent = nullptr);

    TransactionResult SendCommand(const QByteArray &command) override;

    // The receive handler: applies received characters to the link state.
    // Public so that it can be driven without a port.
    void HandleReceived(QByteArrayView characters);

    DevicePort &port() const { return m_port; }

    // The period of tmTimeOut; 1000 ms unless a test shortens it.
    void setTickInterval(std::chrono::milliseconds interval);
    std::chrono::milliseconds tickInterval() const;

    const QByteArray &ReplyBuffer() const { return m_receive.ReplyBuffer; }
    const QByteArray &SentLine() const { return m_sentLine; }
    const QByteArray &ExpectedPrefix() const { return m_receive.ExpectedPrefix; }
    int ResendCount() const { return m_resendCount; }

    bool isPending() const { return m_timeOut.isActive(); }
    // True when the last transaction that ended did not get its reply.
    bool LastTimedOut() const { return m_lastTimedOut; }

Q_SIGNALS:
    // Emitted when a transaction ends, however it ends.
    void transactionEnded();

private:
    void readPort();
    void tick();
    void portLost();
    void endTransaction(const QByteArray &reply, TransactionResult::Ending ending);
    template<typename Predicate>
    void waitWhile(Predicate busy);

    DevicePort &m_port;
    QTimer m_timeOut;
    ReceiveState m_receive;
    QByteArray m_sentLine;
    int m_resendCount = 0;
    bool m_lastTimedOut = false;
    // The result slot of the transaction in progress.
    TransactionResult *m_current = nullptr;
};
