#pragma once

#include "link/SerialLink.h"

#include <QObject>
#include <QString>

// Finds the instrument and keeps its port open for the transfers.
//
// ConnectDevice closes the port, then tries the stored port ("CommPort"), or
// every port 1..16 when it is 0 or missing, keeping the highest that
// identifies itself. A port that fails to open is skipped at once; one that
// opens but does not answer costs one transaction time-out. On success the
// port is stored, opened and stays open; connected(p) is emitted. Otherwise
// the port stays closed, the stored port is unchanged and notConnected() is
// emitted.
class DeviceConnection : public QObject
{
    Q_OBJECT

public:
    static constexpr char IdentifyCommand[] = "F1";
    static constexpr char Identification[] = "4178-305";

    explicit DeviceConnection(SerialLink &link, QObject *parent = nullptr);

    // The port number OpenPort opens (1..16); set by ConnectDevice.
    void setPortNumber(int port);
    int portNumber() const { return m_portNumber; }

    // Opens the device of the current port number. No message.
    bool OpenPort();
    // Closes the port; closing a closed port does nothing.
    void ClosePort();

    void ConnectDevice();

    // For a given device path (the command-line tool's --port): identifies
    // the device and, when it is the instrument, keeps it open. Does not
    // touch the stored port. Emits nothing.
    bool ConnectToDevice(const QString &device);

    // Opens the device, asks it to identify itself, closes it again.
    bool IdentifiesAsInstrument(const QString &device);

    // 1..16 while connected through ConnectDevice, otherwise 0.
    int connectedPort() const { return m_connectedPort; }
    bool isConnected() const;

Q_SIGNALS:
    void connected(int port);
    void notConnected();

private:
    bool openDevice(const QString &device);
    void setNotConnected();

    SerialLink &m_link;
    int m_portNumber = 1;
    int m_connectedPort = 0;
};

// The reply to "F1" identifies the instrument: from its sixth character to
// the end it is exactly "4178-305".
bool IsIdentificationReply(const QByteArray &reply);

// The main window's title for a connection state: "Varnel Corvex - connected
// on COM3" for 3, "Varnel Corvex - not connected." for 0.
QString ConnectionTitle(int connectedPort);
