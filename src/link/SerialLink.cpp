#include "link/SerialLink.h"

#include <QEventLoop>

SerialLink::SerialLink(DevicePort &port, QObject *parent)
    : QObject(parent)
    , m_port(port)
{
    m_timeOut.setParent(this);
    m_timeOut.setObjectName(QStringLiteral("tmTimeOut"));
    m_timeOut.setInterval(DefaultTickInterval);
    m_timeOut.setTimerType(Qt::PreciseTimer);
    connect(&m_timeOut, &QTimer::timeout, this, &SerialLink::tick);
    connect(&m_port, &DevicePort::readyRead, this, &SerialLink::readPort);
    connect(&m_port, &DevicePort::lost, this, &SerialLink::portLost);
}

void SerialLink::setTickInterval(std::chrono::milliseconds interval)
{
    m_timeOut.setInterval(interval);
}

std::chrono::milliseconds SerialLink::tickInterval() const
{
    return m_timeOut.intervalAsDuration();
}

TransactionResult SerialLink::SendCommand(const QByteArray &command)
{
    // The previous transaction, possibly one that this call interrupts from
    // inside its wait, ends first; so does the output of its last line.
    waitWhile([this] { return isPending() || (m_port.isOpen() && m_port.bytesToWrite() > 0); });

    TransactionResult result;
    m_resendCount = 0;
    m_receive.ReplyBuffer.clear();
    m_sentLine = CommandLine(command);
    m_receive.ExpectedPrefix = ExpectedPrefixFor(command);

    if (!m_port.isOpen()) {
        m_receive.ReplyBuffer = TimeOutSubstitute(m_receive.ExpectedPrefix);
        m_lastTimedOut = true;
        result.reply = m_receive.ReplyBuffer;
        result.ending = TransactionResult::Ending::PortClosed;
        return result;
    }

    m_current = &result;
    m_timeOut.start();
    m_port.write(m_sentLine);
    waitWhile([this, &result] { return m_current == &result; });
    return result;
}

void SerialLink::HandleReceived(QByteArrayView characters)
{
    const std::optional<QByteArray> reply = ReceiveCharacters(m_receive, characters);
    if (reply && isPending())
        endTransaction(*reply, TransactionResult::Ending::Answered);
}

void SerialLink::readPort()
{
    HandleReceived(m_port.readAll());
}

void SerialLink::tick()
{
    if (!m_port.isOpen()) {
        portLost();
        return;
    }
    ++m_resendCount;
    if (m_resendCount < MaxTicks) {
        m_receive.ReplyBuffer.clear();
        m_port.write(m_sentLine);
        return;
    }
    m_receive.ReplyBuffer = TimeOutSubstitute(m_receive.ExpectedPrefix);
    endTransaction(m_receive.ReplyBuffer, TransactionResult::Ending::TimedOut);
}

void SerialLink::portLost()
{
    if (!isPending())
        return;
    m_receive.ReplyBuffer = TimeOutSubstitute(m_receive.ExpectedPrefix);
    endTransaction(m_receive.ReplyBuffer, TransactionResult::Ending::PortClosed);
}

void SerialLink::endTransaction(const QByteArray &reply, TransactionResult::Ending ending)
{
    m_timeOut.stop();
    m_lastTimedOut = ending != TransactionResult::Ending::Answered;
    if (m_current) {
        m_current->reply = reply;
        m_current->ending = ending;
        m_current = nullptr;
    }
    emit transactionEnded();
}

template<typename Predicate>
void SerialLink::waitWhile(Predicate busy)
{
    while (busy()) {
        QEventLoop loop;
        connect(this, &SerialLink::transactionEnded, &loop, &QEventLoop::quit);
        connect(&m_port, &DevicePort::bytesWritten, &loop, &QEventLoop::quit);
        connect(&m_port, &DevicePort::lost, &loop, &QEventLoop::quit);
        if (loop.exec() < 0) {
            // The application is quitting and no event loop runs any more:
            // nothing can answer, so the pending transaction ends here.
            portLost();
            return;
        }
    }
}
