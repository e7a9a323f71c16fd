#pragma once

#include "DevicePort.h"

#include <QSerialPort>

namespace corvex {

// DevicePort on a real serial device (or a pseudo-terminal).
class SerialDevicePort : public DevicePort
{
    Q_OBJECT

public:
    explicit SerialDevicePort(QObject *parent = nullptr);

    void setDeviceName(const QString &device) override;
    QString deviceName() const override;
    bool open() override;
    void close() override;
    bool isOpen() const override;
    qint64 write(const QByteArray &data) override;
    QByteArray readAll() override;
    qint64 bytesToWrite() const override;
    QString errorString() const override;

private:
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_device; // as given; QSerialPort shortens paths under /dev
    QString m_errorString;
};

} // namespace corvex
