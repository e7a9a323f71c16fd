#pragma once

#include "DevicePort.h"

namespace corvex {

class CommandReply;

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

// Makes a fresh, closed port for one probe. The product's makes a
// SerialDevicePort; tests give ports of their own.
using PortFactory = std::function<std::unique_ptr<DevicePort>()>;
PortFactory serialPortFactory();

// A port to try: its number (1..16, or 0 for a device given by path) and
// the device it opens.
struct PortCandidate
{
    int number = 0;
    QString device;
};

// What one probed port did.
struct PortAnswer
{
    enum class Result {
        NotOpened,    // the device could not be opened (errorString says why)
        Silent,       // no reply to "F1" within six ticks
        Identified,   // a Corvex 4178-305
        OtherDevice,  // a reply to "F1", but not the Corvex's (reply holds it)
        Lost,         // the device went away during the probe
        Cancelled,    // the search was cancelled, or its answer known, first
    };

    PortCandidate candidate;
    Result result = Result::Cancelled;
    QByteArray reply;
    QString errorString;
};

// Asks every candidate port at the same time to identify itself ("F1",
// answered by a reply whose sixth character on is "4178-305"), each through
// its own port and link, and picks the last candidate in the given order
// that identifies (with ports in ascending order: the highest-numbered one,
// as trying them one after another would). The search takes at most one
// identification time-out (six ticks) however many ports are silent. It
// ends as soon as its answer is known: when every port has answered, failed
// to open, or gone, or when a port has identified and every port after it
// has ended; the probes still waiting are then stopped (Cancelled).
// Every probe port is closed again when the search ends.
class PortSearch : public QObject
{
    Q_OBJECT

public:
    explicit PortSearch(PortFactory factory = serialPortFactory(), QObject *parent = nullptr);
    ~PortSearch() override;

    void setTickInterval(std::chrono::milliseconds interval);

    // Starts probing; finished() follows from the event loop, also for an
    // empty list. A search already running is cancelled first (silently).
    void start(const QList<PortCandidate> &candidates);
    // Ends the search now: finished() is emitted with nothing found.
    void cancel();
    bool isRunning() const { return m_running; }

    // After finished(): the candidate picked (number 0 and empty device when
    // none identified), and what each candidate did, in the given order.
    PortCandidate found() const;
    bool hasFound() const { return m_found >= 0; }
    QList<PortAnswer> answers() const;

Q_SIGNALS:
    void finished();

private:
    struct Probe;
    void probeEnded(int index, const CommandReply &reply);
    bool answerKnown() const;
    void finishSearch();
    void releaseProbes();

    PortFactory m_factory;
    std::chrono::milliseconds m_tick;
    std::vector<std::unique_ptr<Probe>> m_probes;
    QList<PortAnswer> m_answers;
    std::vector<bool> m_ended; // per candidate: its probe has ended (or never ran)
    int m_pending = 0;
    int m_found = -1;
    bool m_running = false;
    bool m_cancelled = false;
    int m_generation = 0;
};

// The reply to "F1" identifies the instrument: from its sixth character to
// the end it is exactly "4178-305".
bool isIdentificationReply(const QByteArray &reply);

} // namespace corvex
