#include "WholeInstrumentCommands.h"

#include "DeviceSession.h"
#include "InstrumentSide.h"
#include "InterruptStop.h"

#include "RestoreSource.h"
#include "StoreLock.h"
#include "WholeFile.h"
#include "TransferRate.h"
#include "WholeInstrumentJobs.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <chrono>
#include <memory>

namespace corvex {

namespace {

const QString programsOption = QStringLiteral("programs");
const QString noReagentsOption = QStringLiteral("no-reagents");
constexpr std::chrono::milliseconds progressInterval{1000};
const QString forceOption = QStringLiteral("force");

// Progress on the error stream about once a second, and at the end: bytes
// done and time left.
void printProgress(TransferJob &job, QTextStream &stream, const QString &what)
{
    auto rate = std::make_shared<TransferRate>();
    rate->start();
    auto sinceShown = std::make_shared<QElapsedTimer>();
    sinceShown->start();
    QObject::connect(&job, &TransferJob::progress, &job, [&stream, what, rate, sinceShown](int done, int total) {
        if (done < total && std::chrono::milliseconds(sinceShown->elapsed()) < progressInterval)
            return;
        sinceShown->restart();
        stream << what << ": " << rate->progressText(done, total) << '\n';
        stream.flush();
    });
}

// Why a backup could not be written into `file`, found before the
// instrument is read for minutes; empty when it can.
QString backupTargetProblem(const QString &file, bool replace)
{
    if (const QString problem = writeTargetProblem(file); !problem.isEmpty())
        return problem;
    const QFileInfo info(file);
    if ((info.exists() || info.isSymLink()) && !replace)
        return QStringLiteral("\"%1\" already exists. Give --force to replace it with the backup.").arg(file);
    return {};
}

// Runs a backup (into `file`, or none) on a connected session to its end.
void runBackup(CommandContext &context, DeviceSession &session, const QString &file,
               std::function<void(const BackupJob &, const TransferOutcome &)> done)
{
    BackupJob *job = makeBackup(session.memory(), context.log, file, session.device());
    printProgress(*job, context.err, file.isEmpty() ? QStringLiteral("Reading the Corvex") : QStringLiteral("Backup"));
    auto stopOnCtrlC = std::make_shared<StopOnInterrupt>(*job, context);
    QObject::connect(job, &TransferJob::finished, job, [job, done, stopOnCtrlC](const TransferOutcome &outcome) mutable {
        stopOnCtrlC.reset();
        job->deleteLater();
        done(*job, outcome);
    });
    job->start();
}

int backup(CommandContext &context)
{
    const QString file = context.arguments[0];
    if (const QString problem = backupTargetProblem(file, context.hasOption(forceOption)); !problem.isEmpty())
        return context.fail(problem);
    // A backup onto a store that a window or another command works on
    // would be mixed with what that one saves.
    StoreLock targetLock(file);
    if (!targetLock.tryLock())
        return context.fail(targetLock.error());
    DeviceSession session;
    return runConnected(context, session, [&](const EndCommand &end) {
        runBackup(context, session, file, [&context, file, end](const BackupJob &job, const TransferOutcome &outcome) {
            if (outcome.status != TransferOutcome::Status::Done) {
                end(context.fail(outcome.message));
                return;
            }
            context.out << "The Corvex has been backed up to \"" << file << "\" (" << job.bytesRead()
                        << " bytes read).\n";
            end(exitDone);
        });
    });
}

// --programs A-B (or N) and --no-reagents.
std::optional<StorePart> restorePart(CommandContext &context)
{
    StorePart part;
    part.reagents = !context.hasOption(noReagentsOption);
    if (context.hasOption(programsOption)) {
        const QStringList ends = context.option(programsOption).split(QLatin1Char('-'));
        bool firstOk = false, lastOk = false;
        part.firstProgram = ends.value(0).toInt(&firstOk);
        part.lastProgram = ends.size() == 1 ? part.firstProgram : ends.value(1).toInt(&lastOk);
        if (ends.size() == 1)
            lastOk = firstOk;
        if (ends.size() > 2 || !firstOk || !lastOk || !ProgramTable::isValidNumber(part.firstProgram)
            || !ProgramTable::isValidNumber(part.lastProgram) || part.firstProgram > part.lastProgram) {
            context.usageError(QStringLiteral("--programs needs a range of programs such as 1-20 or 7 (1 to 99), not \"%1\".")
                                   .arg(context.option(programsOption)));
            return std::nullopt;
        }
    } else if (!part.reagents) {
        part = {1, programCount, false};
    }
    return part;
}

int restore(CommandContext &context)
{
    const QString file = context.arguments[0];
    const std::optional<StorePart> part = restorePart(context);
    if (!part)
        return exitUsage;
    // Everything is checked before the instrument is even asked.
    const RestoreSource backup = readRestoreSource(file, *part);
    if (!backup.ok())
        return context.fail(backup.refusal(file));
    Subject subject;
    if (const std::optional<int> end = prepareSubject(context, NumberArgument::None, StoreUse::MayBeMissing, subject))
        return *end;
    if (const QString problem = storeWriteProblem(storePath(context)); !problem.isEmpty())
        return context.fail(problem + QStringLiteral(" Nothing was sent."));

    DeviceSession session;
    return runConnected(context, session, [&](const EndCommand &end) {
        RestoreJob *job = makeRestore(session.memory(), context.log, backup.data, file, *part, subject.data, storePath(context));
        printProgress(*job, context.err, QStringLiteral("Restore"));
        auto stopOnCtrlC = std::make_shared<StopOnInterrupt>(*job, context);
        QObject::connect(job, &TransferJob::finished, job,
                         [&context, job, part, end, stopOnCtrlC](const TransferOutcome &outcome) mutable {
                             stopOnCtrlC.reset();
                             job->deleteLater();
                             if (outcome.status != TransferOutcome::Status::Done) {
                                 end(context.fail(outcome.message));
                                 return;
                             }
                             context.out << part->description() << " have been restored to the Corvex and saved to \""
                                         << storePath(context) << "\".\n";
                             end(exitDone);
                         });
        job->start();
    });
}

} // namespace

std::optional<CompareSide> readInstrumentSide(CommandContext &context)
{
    DeviceSession session;
    std::optional<CompareSide> side;
    runConnected(context, session, [&](const EndCommand &end) {
        runBackup(context, session, QString(), [&, end](const BackupJob &job, const TransferOutcome &outcome) {
            if (outcome.status != TransferOutcome::Status::Done) {
                end(context.fail(outcome.message));
                return;
            }
            side = CompareSide{QStringLiteral("instrument"), job.data(), false};
            end(exitDone);
        });
    });
    return side;
}

QList<Command> wholeInstrumentCommands()
{
    QList<CommandOption> backupOptions = deviceOptions();
    backupOptions << CommandOption{forceOption, QString(), QStringLiteral("replace FILE if it exists")};
    QList<CommandOption> restoreOptions{
        {programsOption, QStringLiteral("A-B"), QStringLiteral("restore only programs A to B (default: all 99)")},
        {noReagentsOption, QString(), QStringLiteral("leave the reagent names on the Corvex as they are")},
    };
    restoreOptions += deviceOptions();
    restoreOptions << storeOption();
    return {
        {QStringLiteral("backup"), QStringLiteral("FILE"),
         QStringLiteral("Read every program and reagent from the Corvex into a backup file (Ctrl+C stops, leaving no file)"),
         1, 1, backupOptions, backup},
        {QStringLiteral("restore"), QStringLiteral("FILE"),
         QStringLiteral("Send a backup file's programs and reagents to the Corvex and save them to the store"), 1, 1,
         restoreOptions, restore},
    };
}

} // namespace corvex
