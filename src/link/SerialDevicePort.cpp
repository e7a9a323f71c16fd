#include "SerialDevicePort.h"

#include "PortAccess.h"

namespace corvex {

SerialDevicePort::SerialDevicePort(QObject *parent)
    : DevicePort(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &DevicePort::readyRead);
    connect(&m_port, &QSerialPort::bytesWritten, this, &DevicePort::bytesWritten);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialDevicePort::handleError);
}

void SerialDevicePort::setDeviceName(const QString &device)
{
    m_device = device;
    m_port.setPortName(device);
}

QString SerialDevicePort::deviceName() const
{
    return m_device;
}

bool SerialDevicePort::open()
{
    m_errorString.clear();
    if (m_port.isOpen())
        m_port.close();
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_errorString = describeOpenFailure(m_device, m_port.error(), m_port.errorString());
        return false;
    }
    const bool configured = m_port.setBaudRate(QSerialPort::Baud9600) && m_port.setDataBits(QSerialPort::Data8)
        && m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop)
        && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_errorString = m_port.errorString();
        m_port.close();
        return false;
    }
    // Modem lines are a courtesy to adapters that want them; pseudo-terminals
    // have none and refuse, which is harmless.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.clearError();
    // Characters left over from before the port was opened belong to no
    // transaction of ours.
    m_port.clear(QSerialPort::Input);
    return true;
}

void SerialDevicePort::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool SerialDevicePort::isOpen() const
{
    return m_port.isOpen();
}

qint64 SerialDevicePort::write(const QByteArray &data)
{
    return m_port.write(data);
}

QByteArray SerialDevicePort::readAll()
{
    return m_port.readAll();
}

qint64 SerialDevicePort::bytesToWrite() const
{
    return m_port.bytesToWrite();
}

QString SerialDevicePort::errorString() const
{
    return m_errorString.isEmpty() ? m_port.errorString() : m_errorString;
}

void SerialDevicePort::handleError(QSerialPort::SerialPortError error)
{
    // A device that went away reports a resource error; a pseudo-terminal
    // whose other end has closed reads end-of-file, which comes as a read
    // error, again on every notification while the port stays open.
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!gone || !m_port.isOpen())
        return;
    m_errorString = m_port.errorString();
    m_port.close();
    emit lost();
}

} // namespace corvex
