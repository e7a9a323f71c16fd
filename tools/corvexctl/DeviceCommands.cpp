#include "DeviceCommands.h"

#include "DeviceSession.h"

#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "transfer/DeviceTransfers.h"

#include <algorithm>
#include <csignal>

namespace {

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

// Prints the outcome's message unless the transfer was done.
std::optional<int> failed(CommandContext &context, const TransferOutcome &outcome)
{
    if (outcome.status == TransferOutcome::Status::Done)
        return std::nullopt;
    return context.fail(outcome.message);
}

int identify(CommandContext &context)
{
    DeviceSession session;
    if (const std::optional<int> end = session.connect(context))
        return *end;
    context.out << "A Corvex (" << DeviceConnection::Identification << ") answers on " << session.device() << ".\n";
    return ExitDone;
}

// read-program and send-program.
TransferCommand programTransfer(bool sending)
{
    return [sending](CommandContext &context, Subject &subject, DeviceTransfers &transfers) {
        const int number = subject.number;
        ProgressPrinter progress(context.err, (sending ? QStringLiteral("Sending ") : QStringLiteral("Reading "))
                                                  + ProgramNumberLabel(number));
        const TransferOutcome outcome =
            sending ? transfers.SendProgram(number, progress) : transfers.ReadProgram(number, progress);
        if (const std::optional<int> end = failed(context, outcome))
            return *end;
        context.out << ProgramLabel(number, subject.data)
                    << (sending ? " has been sent to the Corvex" : " has been read from the Corvex")
                    << " and saved to \"" << StorePath(context) << "\".\n";
        return ExitDone;
    };
}

// Like the utility, reading one reagent does not write the store.
int readReagent(CommandContext &context, Subject &subject, DeviceTransfers &transfers)
{
    if (const std::optional<int> end = failed(context, transfers.ReadReagent(subject.number)))
        return *end;
    context.out << ReagentListLine(subject.number, subject.data.reagents[subject.number]) << '\n';
    return ExitDone;
}

int readReagents(CommandContext &context, Subject &subject, DeviceTransfers &transfers)
{
    ProgressPrinter progress(context.err, QStringLiteral("Reading all reagents"));
    const InterruptAsStop stopOnCtrlC;
    const TransferOutcome outcome = transfers.ReadAllReagents(progress);
    for (int r = 1; r <= outcome.reagentsRead; ++r)
        context.out << ReagentListLine(r, subject.data.reagents[r]) << '\n';
    switch (outcome.status) {
    case TransferOutcome::Status::Done:
        context.err << "All " << ReagentCount << " reagents have been read and saved to \"" << StorePath(context) << "\".\n";
        return ExitDone;
    case TransferOutcome::Status::Stopped:
        return context.fail(QStringLiteral("Stopped after %1; the reagents read have been saved to \"%2\".")
                                .arg(ReagentNumberLabel(outcome.reagentsRead), StorePath(context)));
    default:
        return context.fail(outcome.message);
    }
}

int sendReagent(CommandContext &context)
{
    const QString typed = context.arguments.at(1);
    const QByteArray encoded = EncodeCp1252(typed);
    // Control characters cannot be typed on the instrument and would not survive the store.
    const bool control = std::any_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.unicode() < 0x20; });
    if (control || DecodeCp1252(encoded) != typed)
        return context.usageError(QStringLiteral("The name \"%1\" has characters the Corvex cannot store.").arg(typed));
    if (encoded.size() > NameLength)
        context.err << "The name is cut to its first " << NameLength << " characters.\n";

    const auto send = [name = FitName(encoded, false)](CommandContext &context, Subject &subject, DeviceTransfers &transfers) {
        subject.data.reagents[subject.number] = name;
        if (const std::optional<int> end = failed(context, transfers.SendReagent(subject.number)))
            return *end;
        context.out << ReagentListLine(subject.number, name) << " has been sent to the Corvex and saved to \""
                    << StorePath(context) << "\".\n";
        return ExitDone;
    };
    return OnInstrument(NumberArgument::Reagent, StoreUse::MayBeMissing, send)(context);
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
                      QStringLiteral("Read program N from the Corvex and save it to the store"), 1,
                      OnInstrument(NumberArgument::Program, StoreUse::MayBeMissing, programTransfer(false))),
        deviceCommand(QStringLiteral("send-program"), QStringLiteral("N"),
                      QStringLiteral("Send program N of the store to the Corvex"), 1,
                      OnInstrument(NumberArgument::Program, StoreUse::SavesExisting, programTransfer(true))),
        deviceCommand(QStringLiteral("read-reagent"), QStringLiteral("N"),
                      QStringLiteral("Read reagent N from the Corvex and show it (the store is not changed)"), 1,
                      OnInstrument(NumberArgument::Reagent, StoreUse::None, readReagent)),
        deviceCommand(QStringLiteral("read-reagents"), QString(),
                      QStringLiteral("Read all 200 reagents from the Corvex and save them to the store (Ctrl+C stops)"), 0,
                      OnInstrument(NumberArgument::None, StoreUse::MayBeMissing, readReagents)),
        deviceCommand(QStringLiteral("send-reagent"), QStringLiteral("N NAME"),
                      QStringLiteral("Name reagent N, send it to the Corvex and save the reagents to the store"), 2, sendReagent),
    };
}
