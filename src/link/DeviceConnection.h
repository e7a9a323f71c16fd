#pragma once

#include "PortSearch.h"
#include "SerialLink.h"

#include <QObject>
#include <QString>

#include <QPointer>

#include <chrono>

namespace corvex {

class PortWatcher;

// Finds the instrument and keeps its port (the link's port) open for the
// transfers.
//
// It is in one state at a time, and stateChanged() follows every change:
// NotConnected, Searching, or Connected.
//
// connectDevice() closes the port and is Searching: it tries the stored port
// ("CommPort") alone, or, when it is 0 or missing, every port 1..16 at the
// same time (PortSearch), keeping the highest that identifies itself. On
// success the port is stored, opened on the link and stays open: Connected,
// with connectedPort(). Otherwise the port stays closed, the stored port is
// unchanged: NotConnected. The search ends from the event loop;
// cancelSearch() ends it NotConnected.
//
// When the open port is lost (cable pulled, adapter unplugged), the state
// becomes NotConnected at once.
class DeviceConnection : public QObject
{
    Q_OBJECT

public:
    enum class State { NotConnected, Searching, Connected };

    explicit DeviceConnection(SerialLink &link, PortFactory factory = serialPortFactory(), QObject *parent = nullptr);

    // The tick of the link and of the search's probes (1000 ms by default).
    void setTickInterval(std::chrono::milliseconds interval);

    void connectDevice();
    void cancelSearch();

    // Connects to the instrument on `port` (1..16) without a search, as when
    // it was noticed plugged in: stores it and opens it.
    void connectFoundPort(int port);

    // For a given device path (the command-line tool's --port): identifies
    // the device and, when it is the instrument, keeps it open on the link.
    // Does not touch the stored port. Searching, then Connected (with
    // connectedPort() 0) or NotConnected.
    void connectToDevice(const QString &device);

    // The search of the last connectDevice() or connectToDevice(): what each
    // port answered.
    const PortSearch &lastSearch() const { return m_search; }

    // Lets `watcher` look for an instrument plugged in whenever this is not
    // NotConnected, and connects
    // there (connectFoundPort) when it finds one. It does not look while
    // connected or while a search runs.
    void watchWhileNotConnected(PortWatcher &watcher);

    // Closes the port; closing a closed port does nothing.
    void closePort();

    // 1..16 while connected through connectDevice, otherwise 0.
    int connectedPort() const { return m_connectedPort; }
    State state() const { return m_state; }
    bool isConnected() const { return m_state == State::Connected; }
    bool isSearching() const { return m_state == State::Searching; }

Q_SIGNALS:
    void stateChanged(corvex::DeviceConnection::State state);

private:
    enum class Pending { None, Search, Device };
    void searchEnded();
    bool openOnLink(const QString &device);
    void portLost();
    void setNotConnected();
    void setState(State state, int port = 0);
    void pauseWatching();
    void resumeWatching();

    SerialLink &m_link;
    QPointer<PortWatcher> m_watcher;
    PortSearch m_search;
    Pending m_pending = Pending::None;
    int m_connectedPort = 0;
    State m_state = State::NotConnected;
};

} // namespace corvex
