#include "DeviceConnection.h"

#include "PortTable.h"
#include "PortWatcher.h"

namespace corvex {

DeviceConnection::DeviceConnection(SerialLink &link, PortFactory factory, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_search(std::move(factory))
{
    connect(&m_search, &PortSearch::finished, this, &DeviceConnection::searchEnded);
    connect(&m_link.port(), &DevicePort::lost, this, &DeviceConnection::portLost);
}

void DeviceConnection::setTickInterval(std::chrono::milliseconds interval)
{
    m_link.setTickInterval(interval);
    m_search.setTickInterval(interval);
}

void DeviceConnection::closePort()
{
    m_link.port().close();
    if (m_state == State::Connected)
        setState(State::NotConnected);
}

void DeviceConnection::setState(State state, int port)
{
    m_connectedPort = port;
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

bool DeviceConnection::openOnLink(const QString &device)
{
    DevicePort &port = m_link.port();
    port.close();
    if (device.isEmpty())
        return false;
    port.setDeviceName(device);
    return port.open();
}

void DeviceConnection::connectDevice()
{
    pauseWatching();
    m_link.port().close();
    setState(State::Searching);
    const int stored = storedCommPort().value_or(0);
    QList<PortCandidate> candidates;
    if (stored != 0) {
        candidates << PortCandidate{stored, portDevice(stored)};
    } else {
        for (int port = firstPort; port <= lastPort; ++port)
            candidates << PortCandidate{port, portDevice(port)};
    }
    m_pending = Pending::Search;
    m_search.start(candidates);
}

void DeviceConnection::connectToDevice(const QString &device)
{
    pauseWatching();
    m_link.port().close();
    setState(State::Searching);
    m_pending = Pending::Device;
    m_search.start({PortCandidate{0, device}});
}

void DeviceConnection::cancelSearch()
{
    m_search.cancel();
}

void DeviceConnection::connectFoundPort(int port)
{
    pauseWatching();
    m_link.port().close();
    storeCommPort(port);
    if (!openOnLink(portDevice(port))) {
        setNotConnected();
        return;
    }
    setState(State::Connected, port);
}

void DeviceConnection::searchEnded()
{
    const Pending pending = std::exchange(m_pending, Pending::None);
    if (pending == Pending::Device) {
        const bool identified = m_search.hasFound() && openOnLink(m_search.found().device);
        setState(identified ? State::Connected : State::NotConnected);
        return;
    }
    if (pending != Pending::Search)
        return;
    if (!m_search.hasFound()) {
        setNotConnected();
        return;
    }
    const int found = m_search.found().number;
    storeCommPort(found);
    // It answered a moment ago; a port that will not open again now cannot
    // carry transfers.
    if (!openOnLink(portDevice(found))) {
        setNotConnected();
        return;
    }
    setState(State::Connected, found);
}

void DeviceConnection::setNotConnected()
{
    m_link.port().close();
    setState(State::NotConnected);
    resumeWatching();
}

void DeviceConnection::portLost()
{
    setState(State::NotConnected);
    resumeWatching();
}

void DeviceConnection::watchWhileNotConnected(PortWatcher &watcher)
{
    m_watcher = &watcher;
    connect(&watcher, &PortWatcher::instrumentFound, this, &DeviceConnection::connectFoundPort, Qt::UniqueConnection);
    if (!isConnected() && !isSearching())
        resumeWatching();
}

void DeviceConnection::pauseWatching()
{
    if (m_watcher)
        m_watcher->stop();
}

void DeviceConnection::resumeWatching()
{
    if (m_watcher && !m_watcher->isRunning())
        m_watcher->start();
}

} // namespace corvex
