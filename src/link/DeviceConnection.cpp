#include "link/DeviceConnection.h"

#include "link/PortTable.h"

DeviceConnection::DeviceConnection(SerialLink &link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
}

void DeviceConnection::setPortNumber(int port)
{
    m_portNumber = port;
}

bool DeviceConnection::OpenPort()
{
    return openDevice(PortDevice(m_portNumber));
}

void DeviceConnection::ClosePort()
{
    m_link.port().close();
}

bool DeviceConnection::isConnected() const
{
    return m_link.port().isOpen();
}

bool DeviceConnection::openDevice(const QString &device)
{
    DevicePort &port = m_link.port();
    port.close();
    if (device.isEmpty())
        return false;
    port.setDeviceName(device);
    return port.open();
}

bool DeviceConnection::IdentifiesAsInstrument(const QString &device)
{
    if (!openDevice(device))
        return false;
    const TransactionResult result = m_link.SendCommand(QByteArray(IdentifyCommand));
    ClosePort();
    return result.answered() && IsIdentificationReply(result.reply);
}

void DeviceConnection::ConnectDevice()
{
    ClosePort();
    m_connectedPort = 0;
    const int stored = StoredCommPort().value_or(0);

    int found = 0;
    if (stored != 0) {
        if (IdentifiesAsInstrument(PortDevice(stored)))
            found = stored;
    } else {
        for (int port = FirstPort; port <= LastPort; ++port) {
            if (IdentifiesAsInstrument(PortDevice(port)))
                found = port;
        }
    }

    if (found == 0) {
        setNotConnected();
        return;
    }
    StoreCommPort(found);
    setPortNumber(found);
    if (!OpenPort()) {
        // It answered a moment ago; a port that will not open again now
        // cannot carry transfers.
        setNotConnected();
        return;
    }
    m_connectedPort = found;
    emit connected(found);
}

bool DeviceConnection::ConnectToDevice(const QString &device)
{
    m_connectedPort = 0;
    return IdentifiesAsInstrument(device) && openDevice(device);
}

void DeviceConnection::setNotConnected()
{
    ClosePort();
    m_connectedPort = 0;
    emit notConnected();
}

bool IsIdentificationReply(const QByteArray &reply)
{
    return reply.mid(5) == DeviceConnection::Identification;
}

QString ConnectionTitle(int connectedPort)
{
    if (connectedPort == 0)
        return QStringLiteral("Varnel Corvex - not connected.");
    return QStringLiteral("Varnel Corvex - connected on COM%1").arg(connectedPort);
}
