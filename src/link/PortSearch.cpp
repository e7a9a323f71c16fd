#include "PortSearch.h"

#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "WireProtocol.h"

namespace corvex {

struct PortSearch::Probe
{
    std::unique_ptr<DevicePort> port;
    std::unique_ptr<SerialLink> link;
};

PortFactory serialPortFactory()
{
    return [] { return std::make_unique<SerialDevicePort>(); };
}

bool isIdentificationReply(const QByteArray &reply)
{
    return reply.mid(wire::identificationOffset) == wire::identification;
}

PortSearch::PortSearch(PortFactory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
    , m_tick(SerialLink::defaultTickInterval)
{
}

PortSearch::~PortSearch()
{
    for (const auto &probe : m_probes) {
        probe->link.reset();
        probe->port.reset();
    }
}

void PortSearch::setTickInterval(std::chrono::milliseconds interval)
{
    m_tick = interval;
}

void PortSearch::start(const QList<PortCandidate> &candidates)
{
    // Whatever an earlier search still has to report is void from here on.
    ++m_generation;
    releaseProbes();
    m_answers.clear();
    m_ended.assign(size_t(candidates.size()), true);
    m_found = -1;
    m_cancelled = false;
    m_running = true;
    m_pending = 0;

    for (qsizetype i = 0; i < candidates.size(); ++i) {
        PortAnswer answer;
        answer.candidate = candidates[i];
        m_answers << answer;
        auto probe = std::make_unique<Probe>();
        probe->port = m_factory();
        PortAnswer &noted = m_answers.last();
        if (candidates[i].device.isEmpty()) {
            noted.result = PortAnswer::Result::NotOpened;
            continue;
        }
        probe->port->setDeviceName(candidates[i].device);
        if (!probe->port->open()) {
            noted.result = PortAnswer::Result::NotOpened;
            noted.errorString = probe->port->errorString();
            continue;
        }
        probe->link = std::make_unique<SerialLink>(*probe->port);
        probe->link->setTickInterval(m_tick);
        CommandReply *reply = probe->link->sendCommand(QByteArray(wire::identifyCommand));
        const int index = int(i);
        connect(reply, &CommandReply::finished, this, [this, index, reply, generation = m_generation] {
            if (generation == m_generation)
                probeEnded(index, *reply);
        });
        m_ended[size_t(i)] = false;
        ++m_pending;
        m_probes.push_back(std::move(probe));
    }
    if (m_pending == 0)
        finishSearch();
}

void PortSearch::cancel()
{
    if (!m_running)
        return;
    m_cancelled = true;
    ++m_generation;
    finishSearch();
}

PortCandidate PortSearch::found() const
{
    return m_found >= 0 ? m_answers.at(m_found).candidate : PortCandidate();
}

QList<PortAnswer> PortSearch::answers() const
{
    return m_answers;
}

void PortSearch::probeEnded(int index, const CommandReply &reply)
{
    PortAnswer &answer = m_answers[index];
    switch (reply.error()) {
    case CommandReply::Error::NoError:
        answer.reply = reply.reply();
        answer.result = isIdentificationReply(answer.reply) ? PortAnswer::Result::Identified : PortAnswer::Result::OtherDevice;
        break;
    case CommandReply::Error::Timeout:
        answer.result = PortAnswer::Result::Silent;
        break;
    case CommandReply::Error::PortClosed:
    case CommandReply::Error::PortLost:
        answer.result = PortAnswer::Result::Lost;
        break;
    }
    m_ended[size_t(index)] = true;
    --m_pending;
    if (m_pending == 0 || answerKnown())
        finishSearch();
}

bool PortSearch::answerKnown() const
{
    // The last identifying candidate wins, so once one has identified only
    // the candidates after it can still change the answer.
    for (qsizetype i = m_answers.size() - 1; i >= 0; --i) {
        if (m_answers[i].result == PortAnswer::Result::Identified)
            return true;
        if (!m_ended[size_t(i)])
            return false;
    }
    return false;
}

void PortSearch::finishSearch()
{
    m_running = false;
    m_pending = 0;
    for (qsizetype i = m_answers.size() - 1; i >= 0 && !m_cancelled; --i) {
        if (m_answers[i].result == PortAnswer::Result::Identified) {
            m_found = int(i);
            break;
        }
    }
    // Probes still waiting are void from here on. Probes are ended from
    // their own replies' signals: close the ports now, and let the objects
    // go once those signals have returned.
    ++m_generation;
    releaseProbes();
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_generation] {
            if (generation == m_generation)
                emit finished();
        },
        Qt::QueuedConnection);
}

void PortSearch::releaseProbes()
{
    for (auto &probe : m_probes) {
        if (probe->port)
            probe->port->close();
        if (probe->link)
            probe->link.release()->deleteLater();
        if (probe->port)
            probe->port.release()->deleteLater();
    }
    m_probes.clear();
}

} // namespace corvex
