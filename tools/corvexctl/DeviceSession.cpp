#include "DeviceSession.h"

#include "link/PortTable.h"

#include <chrono>

namespace {
const QString PortOption = QStringLiteral("port");
const QString TickOption = QStringLiteral("tick-ms");
} // namespace

QList<CommandOption> DeviceOptions()
{
    CommandOption tick{TickOption, QStringLiteral("MS"), QStringLiteral("time-out tick of the link (default 1000)")};
    tick.hidden = true;
    return {
        {PortOption, QStringLiteral("PORT"),
         QStringLiteral("serial port: a number 1..16 (COM1..COM16) or a device path (default: the utility's port)")},
        tick,
    };
}

DeviceSession::DeviceSession()
    : m_link(m_port)
    , m_connection(m_link)
    , m_memory(m_link)
{
}

std::optional<int> DeviceSession::connect(CommandContext &context)
{
    if (context.hasOption(TickOption)) {
        bool ok = false;
        const int ms = context.option(TickOption).toInt(&ok);
        if (!ok || ms < 1)
            return context.usageError(QStringLiteral("--tick-ms needs a whole number of milliseconds, not \"%1\".").arg(context.option(TickOption)));
        m_link.setTickInterval(std::chrono::milliseconds(ms));
    }

    if (!context.hasOption(PortOption)) {
        m_connection.ConnectDevice();
        if (m_connection.connectedPort() != 0)
            return std::nullopt;
        const std::optional<int> stored = StoredCommPort();
        return context.fail(stored.value_or(0) == 0
                                ? QStringLiteral("No Corvex answered on any port (COM1..COM16). Give the port with --port.")
                                : QStringLiteral("No Corvex answered on %1 (%2), the port the utility uses. Give another with --port.")
                                      .arg(PortName(*stored), PortDevice(*stored)));
    }

    const QString port = context.option(PortOption);
    bool isNumber = false;
    const int number = port.toInt(&isNumber);
    QString device = port;
    QString described = port;
    if (isNumber) {
        if (!IsValidPortNumber(number))
            return context.usageError(QStringLiteral("The port must be a number from 1 to 16 or a device path, not \"%1\".").arg(port));
        device = PortDevice(number);
        described = QStringLiteral("%1 (%2)").arg(PortName(number), device);
    }
    m_port.setDeviceName(device);
    if (!m_port.open())
        return context.fail(isNumber ? QStringLiteral("%1: %2").arg(PortName(number), m_port.errorString())
                                     : m_port.errorString());
    m_port.close();
    if (!m_connection.ConnectToDevice(device))
        return context.fail(QStringLiteral("No Corvex answered on %1.").arg(described));
    return std::nullopt;
}

std::function<int(CommandContext &)> OnInstrument(NumberArgument number, StoreUse use, TransferCommand run)
{
    return [number, use, run = std::move(run)](CommandContext &context) {
        Subject subject;
        if (const std::optional<int> end = PrepareSubject(context, number, use, subject))
            return *end;
        DeviceSession session;
        if (const std::optional<int> end = session.connect(context))
            return *end;
        DeviceTransfers transfers(session.memory(), subject.data, StorePath(context));
        return run(context, subject, transfers);
    };
}
