#include "DeviceCommands.h"

#include "DeviceSession.h"
#include "StoreOption.h"

#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "transfer/DeviceTransfers.h"

#include <csignal>

namespace {

const QString ProgramWord = QStringLiteral("The program number");
const QString ReagentWord = QStringLiteral("The reagent number");

volatile std::sig_atomic_t interrupted = 0;

void noteInterrupt(int)
{
    interrupted = 1;
}

// Ctrl+C while it lives asks Read ALL to stop after the current reagent.
class InterruptAsStop
{
public:
    InterruptAsStop()
    {
        interrupted = 0;
        m_previous = std::signal(SIGINT, noteInterrupt);
    }
    ~InterruptAsStop() { std::signal(SIGINT, m_previous); }

private:
    void (*m_previous)(int) = nullptr;
};

// Shows progress on the error stream in steps of ten percent.
class ProgressPrinter : public TransferObserver
{
public:
    ProgressPrinter(QTextStream &stream, QString what)
        : m_stream(stream)
        , m_what(std::move(what))
    {
    }

    void setMaximum(int maximum) override { m_maximum = maximum; }
    void stepDone() override { show(++m_value); }
    void reagentDone(int reagent) override { show(reagent); }
    bool stopRequested() override { return interrupted != 0; }

private:
    void show(int value)
    {
        const int tenth = m_maximum > 0 ? value * 10 / m_maximum : 0;
        if (tenth == m_shownTenth)
            return;
        m_shownTenth = tenth;
        m_stream << m_what << ": " << tenth * 10 << "%\n";
        m_stream.flush();
    }

    QTextStream &m_stream;
    QString m_what;
    int m_maximum = 0;
    int m_value = 0;
    int m_shownTenth = 0;
};

QString reagentLine(int number, const InstrumentData &data)
{
    return ReagentListLine(number, data.reagents[number]);
}

QString programNumber(int number)
{
    return QStringLiteral("Program%1").arg(number, 2, 10, QLatin1Char('0'));
}

int identify(CommandContext &context)
{
    DeviceSession session;
    int exitCode = ExitDone;
    if (!session.connect(context, exitCode))
        return exitCode;
    context.out << "A Corvex (" << DeviceConnection::Identification << ") answers on " << session.device() << ".\n";
    return ExitDone;
}

int readProgram(CommandContext &context)
{
    int number = 0;
    if (!context.numberArgument(0, 1, ProgramCount, ProgramWord, number))
        return ExitUsage;
    InstrumentData data;
    if (!LoadStoreFor(context, data, true))
        return ExitFailed;
    DeviceSession session;
    int exitCode = ExitDone;
    if (!session.connect(context, exitCode))
        return exitCode;

    DeviceTransfers transfers(session.memory(), data, StorePath(context));
    ProgressPrinter progress(context.err, QStringLiteral("Reading ") + programNumber(number));
    const TransferOutcome outcome = transfers.ReadProgram(number, progress);
    if (outcome.status != TransferOutcome::Status::Done)
        return context.fail(outcome.message);
    context.out << ProgramLabel(number, data) << " has been read from the Corvex and saved to \"" << StorePath(context)
                << "\".\n";
    return ExitDone;
}

int sendProgram(CommandContext &context)
{
    int number = 0;
    if (!context.numberArgument(0, 1, ProgramCount, ProgramWord, number))
        return ExitUsage;
    InstrumentData data;
    if (!LoadStoreFor(context, data, false))
        return ExitFailed;
    DeviceSession session;
    int exitCode = ExitDone;
    if (!session.connect(context, exitCode))
        return exitCode;

    DeviceTransfers transfers(session.memory(), data, StorePath(context));
    ProgressPrinter progress(context.err, QStringLiteral("Sending ") + programNumber(number));
    const TransferOutcome outcome = transfers.SendProgram(number, progress);
    if (outcome.status != TransferOutcome::Status::Done)
        return context.fail(outcome.message);
    context.out << ProgramLabel(number, data) << " has been sent to the Corvex and saved to \"" << StorePath(context)
                << "\".\n";
    return ExitDone;
}

int readReagent(CommandContext &context)
{
    int number = 0;
    if (!context.numberArgument(0, 1, ReagentCount, ReagentWord, number))
        return ExitUsage;
    DeviceSession session;
    int exitCode = ExitDone;
    if (!session.connect(context, exitCode))
        return exitCode;

    // Like the utility, reading one reagent does not write the store.
    InstrumentData data;
    DeviceTransfers transfers(session.memory(), data, StorePath(context));
    const TransferOutcome outcome = transfers.ReadReagent(number);
    if (outcome.status != TransferOutcome::Status::Done)
        return context.fail(outcome.message);
    context.out << reagentLine(number, data) << '\n';
    return ExitDone;
}

int readReagents(CommandContext &context)
{
    InstrumentData data;
    if (!LoadStoreFor(context, data, true))
        return ExitFailed;
    DeviceSession session;
    int exitCode = ExitDone;
    if (!session.connect(context, exitCode))
        return exitCode;

    DeviceTransfers transfers(session.memory(), data, StorePath(context));
    ProgressPrinter progress(context.err, QStringLiteral("Reading all reagents"));
    const InterruptAsStop stopOnCtrlC;
    const TransferOutcome outcome = transfers.ReadAllReagents(progress);
    for (int r = 1; r <= outcome.reagentsRead; ++r)
        context.out << reagentLine(r, data) << '\n';
    switch (outcome.status) {
    case TransferOutcome::Status::Done:
        context.err << "All " << ReagentCount << " reagents have been read and saved to \"" << StorePath(context) << "\".\n";
        return ExitDone;
    case TransferOutcome::Status::Stopped:
        return context.fail(QStringLiteral("Stopped after Reagent %1; the reagents read have been saved to \"%2\".")
                                .arg(outcome.reagentsRead, 3, 10, QLatin1Char('0'))
                                .arg(StorePath(context)));
    default:
        return context.fail(outcome.message);
    }
}

int sendReagent(CommandContext &context)
{
    int number = 0;
    if (!context.numberArgument(0, 1, ReagentCount, ReagentWord, number))
        return ExitUsage;
    const QString typed = context.arguments.at(1);
    const QByteArray encoded = EncodeCp1252(typed);
    if (DecodeCp1252(encoded) != typed)
        return context.usageError(QStringLiteral("The name \"%1\" has characters the Corvex cannot store.").arg(typed));
    if (encoded.size() > NameLength)
        context.err << "The name is cut to its first " << NameLength << " characters.\n";

    InstrumentData data;
    if (!LoadStoreFor(context, data, true))
        return ExitFailed;
    DeviceSession session;
    int exitCode = ExitDone;
    if (!session.connect(context, exitCode))
        return exitCode;

    data.reagents[number] = FitName(encoded, false);
    DeviceTransfers transfers(session.memory(), data, StorePath(context));
    const TransferOutcome outcome = transfers.SendReagent(number);
    if (outcome.status != TransferOutcome::Status::Done)
        return context.fail(outcome.message);
    context.out << reagentLine(number, data) << " has been sent to the Corvex and saved to \"" << StorePath(context)
                << "\".\n";
    return ExitDone;
}

Command deviceCommand(const QString &name, const QString &parameters, const QString &summary, int arguments,
                      std::function<int(CommandContext &)> run)
{
    return {name, parameters, summary, arguments, arguments, DeviceOptions() << StoreOption(), std::move(run)};
}

} // namespace

QList<Command> DeviceCommands()
{
    return {
        deviceCommand(QStringLiteral("identify"), QString(), QStringLiteral("Look for the Corvex and say where it answers"), 0, identify),
        deviceCommand(QStringLiteral("read-program"), QStringLiteral("N"),
                      QStringLiteral("Read program N from the Corvex and save it to the store"), 1, readProgram),
        deviceCommand(QStringLiteral("send-program"), QStringLiteral("N"),
                      QStringLiteral("Send program N of the store to the Corvex"), 1, sendProgram),
        deviceCommand(QStringLiteral("read-reagent"), QStringLiteral("N"),
                      QStringLiteral("Read reagent N from the Corvex and show it (the store is not changed)"), 1, readReagent),
        deviceCommand(QStringLiteral("read-reagents"), QString(),
                      QStringLiteral("Read all 200 reagents from the Corvex and save them to the store (Ctrl+C stops)"), 0,
                      readReagents),
        deviceCommand(QStringLiteral("send-reagent"), QStringLiteral("N NAME"),
                      QStringLiteral("Name reagent N, send it to the Corvex and save the reagents to the store"), 2, sendReagent),
    };
}
