#include "DeviceCommands.h"

#include "DeviceSession.h"
#include "InterruptStop.h"

#include "Cp1252.h"
#include "DeviceTransfers.h"
#include "ListTexts.h"
#include "NameForms.h"
#include "WireProtocol.h"

#include <algorithm>
#include <memory>

namespace corvex {

namespace {

// Shows a job's progress on the error stream in steps of ten percent.
void printProgress(TransferJob &job, QTextStream &stream, const QString &what)
{
    auto shownTenth = std::make_shared<int>(0);
    QObject::connect(&job, &TransferJob::progress, &job, [&stream, what, shownTenth](int done, int maximum) {
        const int tenth = maximum > 0 ? done * 10 / maximum : 0;
        if (tenth == *shownTenth)
            return;
        *shownTenth = tenth;
        stream << what << ": " << tenth * 10 << "%\n";
        stream.flush();
    });
}

// Starts the job (owned by the caller's loop) and hands its outcome to
// `done`; Ctrl+C, SIGTERM and SIGHUP stop it meanwhile.
void runJob(CommandContext &context, TransferJob *job, const std::function<void(const TransferOutcome &)> &done)
{
    auto stopOnSignal = std::make_shared<StopOnInterrupt>(*job, context);
    QObject::connect(job, &TransferJob::finished, job, [job, done, stopOnSignal](const TransferOutcome &outcome) mutable {
        stopOnSignal.reset();
        job->deleteLater();
        done(outcome);
    });
    job->start();
}

// Prints the outcome's message unless the transfer was done.
std::optional<int> failed(CommandContext &context, const TransferOutcome &outcome)
{
    if (outcome.status == TransferOutcome::Status::Done)
        return std::nullopt;
    if (outcome.message.isEmpty()) // a read stopped at once
        return context.fail(QStringLiteral("Stopped; nothing was changed."));
    return context.fail(outcome.message);
}

int identify(CommandContext &context)
{
    DeviceSession session;
    return runInEventLoop([&](const EndCommand &end) {
        session.connect(context, [&, end](std::optional<int> failed) {
            if (!failed)
                context.out << "A Corvex (" << wire::identification << ") answers on " << session.device() << ".\n";
            end(failed.value_or(exitDone));
        });
    });
}

// read-program and send-program.
TransferCommand programTransfer(bool sending)
{
    return [sending](CommandContext &context, Subject &subject, DeviceTransfers &transfers, const EndCommand &end) {
        const int number = subject.number;
        TransferJob *job = sending ? transfers.sendProgram(number) : transfers.readProgram(number);
        printProgress(*job, context.err, (sending ? QStringLiteral("Sending ") : QStringLiteral("Reading ")) + programNumberLabel(number));
        runJob(context, job, [&context, &subject, number, sending, end](const TransferOutcome &outcome) {
            if (const std::optional<int> code = failed(context, outcome)) {
                end(*code);
                return;
            }
            context.out << programLabel(number, subject.data)
                        << (sending ? " has been sent to the Corvex" : " has been read from the Corvex")
                        << " and saved to \"" << storePath(context) << "\".\n";
            end(exitDone);
        });
    };
}

// Like the utility, reading one reagent does not write the store.
void readReagent(CommandContext &context, Subject &subject, DeviceTransfers &transfers, const EndCommand &end)
{
    runJob(context, transfers.readReagent(subject.number), [&context, &subject, end](const TransferOutcome &outcome) {
        if (const std::optional<int> code = failed(context, outcome)) {
            end(*code);
            return;
        }
        context.out << reagentListLine(subject.number, subject.data.reagents[subject.number]) << '\n';
        end(exitDone);
    });
}

void readReagents(CommandContext &context, Subject &subject, DeviceTransfers &transfers, const EndCommand &end)
{
    TransferJob *job = transfers.readAllReagents();
    printProgress(*job, context.err, QStringLiteral("Reading all reagents"));
    runJob(context, job, [&context, &subject, end](const TransferOutcome &outcome) {
        for (int r = 1; r <= outcome.reagentsRead; ++r)
            context.out << reagentListLine(r, subject.data.reagents[r]) << '\n';
        switch (outcome.status) {
        case TransferOutcome::Status::Done:
            context.err << "All " << reagentCount << " reagents have been read and saved to \"" << storePath(context) << "\".\n";
            end(exitDone);
            return;
        case TransferOutcome::Status::Stopped:
            end(context.fail(QStringLiteral("Stopped after %1; the reagents read have been saved to \"%2\".")
                                 .arg(reagentNumberLabel(outcome.reagentsRead), storePath(context))));
            return;
        default:
            end(context.fail(outcome.message));
        }
    });
}

int sendReagent(CommandContext &context)
{
    const QString typed = context.arguments.at(1);
    const QByteArray encoded = encodeCp1252(typed);
    // Control characters cannot be typed on the instrument and would not survive the store.
    const bool control = std::any_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.unicode() < 0x20; });
    if (control || decodeCp1252(encoded) != typed)
        return context.usageError(QStringLiteral("The name \"%1\" has characters the Corvex cannot store.").arg(typed));
    if (encoded.size() > nameLength)
        context.err << "The name is cut to its first " << nameLength << " characters.\n";

    const auto send = [name = nameForStorage(encoded)](CommandContext &context, Subject &subject, DeviceTransfers &transfers,
                                                       const EndCommand &end) {
        subject.data.reagents[subject.number] = name;
        runJob(context, transfers.sendReagent(subject.number), [&context, &subject, name, end](const TransferOutcome &outcome) {
            if (const std::optional<int> code = failed(context, outcome)) {
                end(*code);
                return;
            }
            context.out << reagentListLine(subject.number, name) << " has been sent to the Corvex and saved to \""
                        << storePath(context) << "\".\n";
            end(exitDone);
        });
    };
    return onInstrument(NumberArgument::Reagent, StoreUse::MayBeMissing, send)(context);
}

Command deviceCommand(const QString &name, const QString &parameters, const QString &summary, int arguments,
                      std::function<int(CommandContext &)> run)
{
    return {name, parameters, summary, arguments, arguments, deviceOptions() << storeOption(), std::move(run)};
}

} // namespace

QList<Command> deviceCommands()
{
    return {
        deviceCommand(QStringLiteral("identify"), QString(), QStringLiteral("Look for the Corvex and say where it answers"), 0, identify),
        deviceCommand(QStringLiteral("read-program"), QStringLiteral("N"),
                      QStringLiteral("Read program N from the Corvex and save it to the store"), 1,
                      onInstrument(NumberArgument::Program, StoreUse::MayBeMissing, programTransfer(false))),
        deviceCommand(QStringLiteral("send-program"), QStringLiteral("N"),
                      QStringLiteral("Send program N of the store to the Corvex"), 1,
                      onInstrument(NumberArgument::Program, StoreUse::SavesExisting, programTransfer(true))),
        deviceCommand(QStringLiteral("read-reagent"), QStringLiteral("N"),
                      QStringLiteral("Read reagent N from the Corvex and show it (the store is not changed)"), 1,
                      onInstrument(NumberArgument::Reagent, StoreUse::None, readReagent)),
        deviceCommand(QStringLiteral("read-reagents"), QString(),
                      QStringLiteral("Read all 200 reagents from the Corvex and save them to the store (Ctrl+C stops)"), 0,
                      onInstrument(NumberArgument::None, StoreUse::MayBeMissing, readReagents)),
        deviceCommand(QStringLiteral("send-reagent"), QStringLiteral("N NAME"),
                      QStringLiteral("Name reagent N, send it to the Corvex and save the reagents to the store"), 2, sendReagent),
    };
}

} // namespace corvex
