#pragma once

#include "PortSearch.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>

namespace corvex {

// Notices a serial device that appears while the utility is not connected
// (a USB adapter plugged in) and asks it once whether it is a Corvex.
//
// While running, it lists the present devices every interval (about 2 s).
// A device that is new since the last look is probed once with the
// identification exchange; if a Corvex answers, instrumentFound(port) reports
// its port number (the number whose device it is; see PortTable.h), and the
// connection then connects there. A device present when watching started, or
// one probed that stayed silent or answered as something else, is not
// probed again until it has disappeared and come back. A device that no
// port number leads to is never probed.
class PortWatcher : public QObject
{
    Q_OBJECT

public:
    // The devices present now: by default QSerialPortInfo::availablePorts()
    // (as paths) and the devices of the port table that exist.
    using DeviceLister = std::function<QStringList()>;
    static DeviceLister systemDevices();

    explicit PortWatcher(PortFactory factory = serialPortFactory(), DeviceLister lister = systemDevices(),
                         QObject *parent = nullptr);

    void setInterval(std::chrono::milliseconds interval);
    void setTickInterval(std::chrono::milliseconds interval);

    // start() takes the devices present now as known and looks every
    // interval from then on; stop() ends looking and any probe under way.
    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }

Q_SIGNALS:
    void instrumentFound(int port);

private:
    void look();
    void probeEnded();

    DeviceLister m_lister;
    QTimer m_timer;
    PortSearch m_search;
    QSet<QString> m_known;
};

} // namespace corvex
