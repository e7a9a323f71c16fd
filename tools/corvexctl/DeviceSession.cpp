#include "DeviceSession.h"

#include "PortTable.h"
#include "TransferLog.h"
#include "WireProtocol.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <chrono>

namespace corvex {

namespace {
const QString portOption = QStringLiteral("port");
const QString tickOption = QStringLiteral("tick-ms");
const QString verifyOption = QStringLiteral("verify");

// "A device on /dev/pts/0 answered "?1F1,4178-306", which is not a Corvex 4178-305."
QString otherDeviceText(const QString &described, const QByteArray &reply)
{
    return QStringLiteral("A device on %1 answered \"%2\", which is not a Corvex %3.")
        .arg(described, QString::fromLatin1(reply), QLatin1String(wire::identification));
}
} // namespace

int runInEventLoop(const std::function<void(const EndCommand &end)> &begin)
{
    int exitCode = exitFailed;
    bool ended = false;
    const EndCommand end = [&](int code) {
        if (std::exchange(ended, true))
            return;
        exitCode = code;
        QCoreApplication::exit(0);
    };
    // The loop runs here, at the top level of the command, and nowhere else.
    if (QThread::currentThread()->loopLevel() > 0) {
        qWarning("corvexctl: a device command cannot run inside a running event loop");
        return exitFailed;
    }
    QObject guard;
    QTimer::singleShot(0, &guard, [&] { begin(end); });
    QCoreApplication::exec();
    return exitCode;
}

QList<CommandOption> deviceOptions()
{
    CommandOption tick{tickOption, QStringLiteral("MS"), QStringLiteral("time-out tick of the link (default 1000)")};
    tick.hidden = true;
    return {
        {portOption, QStringLiteral("PORT"),
         QStringLiteral("serial port: a number 1..16 (COM1..COM16) or a device path (default: the utility's port)")},
        {verifyOption, QString(),
         QStringLiteral("read every byte until two readings agree, read back every byte sent (about twice the time)")},
        tick,
    };
}

DeviceSession::DeviceSession()
    : m_link(m_port)
    , m_connection(m_link)
    , m_memory(m_link)
{
}

void DeviceSession::connect(CommandContext &context, std::function<void(std::optional<int>)> connected)
{
    m_connected = [this, &context, connected = std::move(connected)](std::optional<int> failed) {
        if (!failed)
            context.log.setPort(device());
        connected(failed);
    };
    m_verify = context.hasOption(verifyOption);
    if (context.hasOption(tickOption)) {
        bool ok = false;
        const int ms = context.option(tickOption).toInt(&ok);
        if (!ok || ms < 1) {
            m_connected(context.usageError(
                QStringLiteral("--tick-ms needs a whole number of milliseconds, not \"%1\".").arg(context.option(tickOption))));
            return;
        }
        m_connection.setTickInterval(std::chrono::milliseconds(ms));
    }

    if (!context.hasOption(portOption)) {
        QObject::connect(&m_connection, &DeviceConnection::stateChanged, this, [this, &context](DeviceConnection::State state) {
            if (state != DeviceConnection::State::Searching)
                searchEnded(context, state == DeviceConnection::State::Connected);
        });
        m_connection.connectDevice();
        return;
    }

    const QString port = context.option(portOption);
    bool isNumber = false;
    const int number = port.toInt(&isNumber);
    QString device = port;
    QString described = port;
    if (isNumber) {
        if (!isValidPortNumber(number)) {
            m_connected(context.usageError(
                QStringLiteral("The port must be a number from 1 to 16 or a device path, not \"%1\".").arg(port)));
            return;
        }
        device = portDevice(number);
        described = portDescription(number, device);
    }
    m_port.setDeviceName(device);
    if (!m_port.open()) {
        m_connected(context.fail(isNumber ? QStringLiteral("%1: %2").arg(portName(number), m_port.errorString())
                                          : m_port.errorString()));
        return;
    }
    m_port.close();
    QObject::connect(&m_connection, &DeviceConnection::stateChanged, this,
                     [this, &context, described](DeviceConnection::State state) {
                         if (state != DeviceConnection::State::Searching)
                             deviceChecked(context, described, state == DeviceConnection::State::Connected);
                     });
    m_connection.connectToDevice(device);
}

void DeviceSession::searchEnded(CommandContext &context, bool found)
{
    if (found) {
        m_connected(std::nullopt);
        return;
    }
    for (const PortAnswer &answer : m_connection.lastSearch().answers()) {
        if (answer.result == PortAnswer::Result::OtherDevice)
            context.err << otherDeviceText(answer.candidate.device, answer.reply) << '\n';
    }
    const std::optional<int> stored = storedCommPort();
    m_connected(context.fail(
        stored.value_or(0) == 0
            ? QStringLiteral("No Corvex answered on any port (COM1..COM16). Give the port with --port.")
            : QStringLiteral("No Corvex answered on %1 (%2), the port the utility uses. Give another with --port.")
                  .arg(portName(*stored), portDevice(*stored))));
}

void DeviceSession::deviceChecked(CommandContext &context, const QString &described, bool identified)
{
    if (identified) {
        m_connected(std::nullopt);
        return;
    }
    const QList<PortAnswer> answers = m_connection.lastSearch().answers();
    if (!answers.isEmpty() && answers.constFirst().result == PortAnswer::Result::OtherDevice) {
        m_connected(context.fail(otherDeviceText(described, answers.constFirst().reply)));
        return;
    }
    m_connected(context.fail(QStringLiteral("No Corvex answered on %1.").arg(described)));
}

int runConnected(CommandContext &context, DeviceSession &session, const std::function<void(const EndCommand &end)> &work)
{
    return runInEventLoop([&](const EndCommand &end) {
        session.connect(context, [&work, end](std::optional<int> failed) {
            if (failed)
                end(*failed);
            else
                work(end);
        });
    });
}

std::function<int(CommandContext &)> onInstrument(NumberArgument number, StoreUse use, TransferCommand run)
{
    return [number, use, run = std::move(run)](CommandContext &context) {
        Subject subject;
        if (const std::optional<int> end = prepareSubject(context, number, use, subject))
            return *end;
        DeviceSession session;
        std::unique_ptr<DeviceTransfers> transfers;
        return runConnected(context, session, [&](const EndCommand &end) {
            transfers = std::make_unique<DeviceTransfers>(session.memory(), subject.data, storePath(context), context.log);
            run(context, subject, *transfers, end);
        });
    };
}

} // namespace corvex
