#include "SerialLink.h"

#include "MemoryCommands.h"

namespace corvex {

SerialLink::SerialLink(DevicePort &port, QObject *parent)
    : QObject(parent)
    , m_port(port)
{
    m_timeOut.setParent(this);
    m_timeOut.setObjectName(QStringLiteral("tmTimeOut"));
    m_timeOut.setInterval(defaultTickInterval);
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
    runMemoryCommand(*this, *reply, readCommandText(address), address, std::nullopt);
    return reply;
}

MemoryReply *SerialLink::writeMemory(qint32 address, qint32 value)
{
    auto *reply = new MemoryReply(this);
    runMemoryCommand(*this, *reply, writeCommandText(address, value), address, value);
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
        m_receive.replyBuffer.clear();
        m_sentLine = commandLine(reply->command());
        m_receive.expectedPrefix = expectedPrefixFor(reply->command());
        if (!m_port.isOpen()) {
            m_receive.replyBuffer = timeOutSubstitute(m_receive.expectedPrefix);
            reply->finish(m_receive.replyBuffer, CommandReply::Error::PortClosed);
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
    const std::optional<QByteArray> reply = receiveCharacters(m_receive, m_port.readAll());
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
    if (m_ticks < maxTicks) {
        m_receive.replyBuffer.clear();
        m_port.write(m_sentLine);
        return;
    }
    m_receive.replyBuffer = timeOutSubstitute(m_receive.expectedPrefix);
    endTransaction(m_receive.replyBuffer, CommandReply::Error::Timeout);
}

void SerialLink::portLost()
{
    if (!m_inTransaction)
        return;
    m_receive.replyBuffer = timeOutSubstitute(m_receive.expectedPrefix);
    endTransaction(m_receive.replyBuffer, CommandReply::Error::PortLost);
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

} // namespace corvex
