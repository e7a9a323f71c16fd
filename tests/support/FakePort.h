#pragma once

#include "DevicePort.h"

#include <QList>
#include <QTimer>

#include <functional>

namespace corvex {

// An in-process DevicePort: records every line written and answers through
// a programmable responder. Answers arrive from a timer a millisecond later,
// like a real port's receive events (and unlike posted events, they are also
// delivered in an event loop nested inside a posted event's handler).
class FakePort : public DevicePort
{
public:
    using Responder = std::function<QByteArray(const QByteArray &written)>;

    using DevicePort::DevicePort;

    void setResponder(Responder responder) { m_responder = std::move(responder); }

    void unplug()
    {
        m_open = false;
        emit lost();
    }

    QList<QByteArray> written;

    void setDeviceName(const QString &device) override { m_device = device; }
    QString deviceName() const override { return m_device; }
    bool open() override { return m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    qint64 write(const QByteArray &data) override
    {
        if (!m_open)
            return -1;
        written << data;
        if (m_responder) {
            const QByteArray answer = m_responder(data);
            if (!answer.isEmpty())
                QTimer::singleShot(std::chrono::milliseconds(1), Qt::PreciseTimer, this, [this, answer] {
                    m_input += answer; // characters arriving from the line, as one receive event
                    emit readyRead();
                });
        }
        QTimer::singleShot(0, this, [this, size = data.size()] { emit bytesWritten(size); });
        return data.size();
    }
    QByteArray readAll() override { return std::exchange(m_input, {}); }
    qint64 bytesToWrite() const override { return 0; }
    QString errorString() const override { return {}; }

private:
    Responder m_responder;
    QByteArray m_input;
    QString m_device;
    bool m_open = false;
};

} // namespace corvex
