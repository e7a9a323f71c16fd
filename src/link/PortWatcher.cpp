#include "PortWatcher.h"

#include "PortTable.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

namespace corvex {

namespace {
constexpr std::chrono::milliseconds defaultInterval{2000};

// The port number whose device this is, 0 when none is.
int portNumberOf(const QString &device)
{
    for (int port = firstPort; port <= lastPort; ++port) {
        if (portDevice(port) == device)
            return port;
    }
    return 0;
}
} // namespace

PortWatcher::DeviceLister PortWatcher::systemDevices()
{
    return [] {
        QStringList devices;
        for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
            devices << info.systemLocation();
        for (int port = firstPort; port <= lastPort; ++port) {
            const QString device = portDevice(port);
#ifdef Q_OS_WIN
            const bool present = devices.contains(device);
#else
            const bool present = QFileInfo::exists(device);
#endif
            if (present && !devices.contains(device))
                devices << device;
        }
        return devices;
    };
}

PortWatcher::PortWatcher(PortFactory factory, DeviceLister lister, QObject *parent)
    : QObject(parent)
    , m_lister(std::move(lister))
    , m_search(std::move(factory))
{
    m_timer.setInterval(defaultInterval);
    connect(&m_timer, &QTimer::timeout, this, &PortWatcher::look);
    connect(&m_search, &PortSearch::finished, this, &PortWatcher::probeEnded);
}

void PortWatcher::setInterval(std::chrono::milliseconds interval)
{
    m_timer.setInterval(interval);
}

void PortWatcher::setTickInterval(std::chrono::milliseconds interval)
{
    m_search.setTickInterval(interval);
}

void PortWatcher::start()
{
    const QStringList present = m_lister();
    m_known = QSet<QString>(present.cbegin(), present.cend());
    m_timer.start();
}

void PortWatcher::stop()
{
    m_timer.stop();
    m_search.cancel();
}

void PortWatcher::look()
{
    if (m_search.isRunning())
        return;
    const QStringList listed = m_lister();
    const QSet<QString> present(listed.cbegin(), listed.cend());
    // A device that went away may be probed again when it comes back.
    m_known.intersect(present);
    QList<PortCandidate> candidates;
    for (const QString &device : listed) {
        if (m_known.contains(device))
            continue;
        m_known.insert(device);
        if (const int port = portNumberOf(device))
            candidates << PortCandidate{port, device};
    }
    if (candidates.isEmpty())
        return;
    std::sort(candidates.begin(), candidates.end(),
              [](const PortCandidate &a, const PortCandidate &b) { return a.number < b.number; });
    m_search.start(candidates);
}

void PortWatcher::probeEnded()
{
    if (m_search.hasFound() && m_timer.isActive())
        emit instrumentFound(m_search.found().number);
}

} // namespace corvex
