#include "SerialLink.h"

#include "MemoryCommands.h"


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
    // A command waiting for the previous line to drain gets its turn here.
    connect(&m_port, &DevicePort::bytesWritten, this, &SerialLink::startNext);
}

SerialLink::~SerialLink()
{
    m_timeOut.stop();
    m_queue.clear();
}

void SerialLink::setTickInterval(std::chrono::milliseconds interval)
{
    m_timeOut.setInterval(interval);
}

CommandReply *SerialLink::sendCommand(const QByteArray &command)
{
    auto *reply = new CommandReply(command, this);
    m_queue.append(reply);
    startNext();
    return reply;
}

MemoryReply *SerialLink::readMemory(qint32 address)
{
    auto *reply = new MemoryReply(this);
    RunMemoryCommand(*this, *reply, ReadCommandText(address), address, std::nullopt);
    return reply;
}

MemoryReply *SerialLink::writeMemory(qint32 address, qint32 value)
{
    auto *reply = new MemoryReply(this);
    RunMemoryCommand(*this, *reply, WriteCommandText(address, value), address, value);
    return reply;
}

void SerialLink::startNext()
{
    while (!m_inTransaction && !m_queue.isEmpty()) {
        const QPointer<CommandReply> next = m_queue.constFirst();
        if (!next || next->isAborted()) {
            m_queue.removeFirst();
            if (next)
                next->deleteLater();
            continue;
        }
        // The output of the previous line drains first; bytesWritten brings us back.
        if (m_port.isOpen() && m_port.bytesToWrite() > 0)
            return;
        CommandReply *reply = m_queue.takeFirst();
        m_receive.ReplyBuffer.clear();
        m_sentLine = CommandLine(reply->command());
        m_receive.ExpectedPrefix = ExpectedPrefixFor(reply->command());
        if (!m_port.isOpen()) {
            m_receive.ReplyBuffer = TimeOutSubstitute(m_receive.ExpectedPrefix);
            reply->finish(m_receive.ReplyBuffer, CommandReply::Error::PortClosed);
            continue;
        }
        m_current = reply;
        m_inTransaction = true;
        m_ticks = 0;
        m_timeOut.start();
        m_port.write(m_sentLine);
    }
}

void SerialLink::readPort()
{
    const std::optional<QByteArray> reply = ReceiveCharacters(m_receive, m_port.readAll());
    if (reply && m_inTransaction)
        endTransaction(*reply, CommandReply::Error::NoError);
}

void SerialLink::tick()
{
    if (!m_port.isOpen()) {
        portLost();
        return;
    }
    ++m_ticks;
    if (m_ticks < MaxTicks) {
        m_receive.ReplyBuffer.clear();
        m_port.write(m_sentLine);
        return;
    }
    m_receive.ReplyBuffer = TimeOutSubstitute(m_receive.ExpectedPrefix);
    endTransaction(m_receive.ReplyBuffer, CommandReply::Error::Timeout);
}

void SerialLink::portLost()
{
    if (!m_inTransaction)
        return;
    m_receive.ReplyBuffer = TimeOutSubstitute(m_receive.ExpectedPrefix);
    endTransaction(m_receive.ReplyBuffer, CommandReply::Error::PortLost);
}

void SerialLink::endTransaction(const QByteArray &reply, CommandReply::Error error)
{
    m_timeOut.stop();
    m_inTransaction = false;
    if (m_current && m_current->isAborted())
        m_current->deleteLater(); // nobody waits for it any more
    else if (m_current)
        m_current->finish(reply, error);
    m_current.clear();
    startNext();
}
