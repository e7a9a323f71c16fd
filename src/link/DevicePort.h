#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace corvex {

// The serial line as the link needs it. The product uses a QSerialPort
// (SerialDevicePort); tests of pure logic use an in-process fake.
class DevicePort : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The device to open next: "COM3" on Windows, a path such as /dev/ttyUSB0
    // or a pseudo-terminal elsewhere.
    virtual void setDeviceName(const QString &device) = 0;
    virtual QString deviceName() const = 0;

    // Opens the device at 9600 baud, 8 data bits, no parity, 1 stop bit and
    // no flow control. False when the device is absent, busy or refuses these
    // settings; errorString() then says why.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual qint64 write(const QByteArray &data) = 0;
    virtual QByteArray readAll() = 0;
    // Characters written but not yet handed to the line.
    virtual qint64 bytesToWrite() const = 0;
    virtual QString errorString() const = 0;

Q_SIGNALS:
    void readyRead();
    void bytesWritten(qint64 bytes);
    // The device went away while open (an adapter unplugged); the port is
    // closed when this is emitted.
    void lost();
};

} // namespace corvex
