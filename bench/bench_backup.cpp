// Times a backup of an instrument with twelve used programs against
// corvex-sim with the line's 9600-baud timing, against the wire time of the
// memory commands it sends, plain and verified.
// Usage: bench_backup [path of corvex-sim]
#include "BackupJob.h"
#include "LinkMemory.h"
#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "support/FileFixtures.h"
#include "support/InstrumentImage.h"
#include "support/SimulatorProcess.h"
#include "VerifiedMemory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace corvex;

namespace {

constexpr double msPerCharacter = 10.0 * 1000.0 / 9600.0;
// "!125,AAAA" CR out, "?125,AAAA,VV" CR LF back; a write has three more out.
constexpr int readCharacters = 10 + 14;
constexpr int writeCharacters = 13 + 14;
constexpr double targetPercent = 3.0;

// Counts the characters of the memory commands that pass.
class CountingMemory : public MemoryAccess
{
public:
    explicit CountingMemory(MemoryAccess &memory)
        : m_memory(memory)
    {
    }
    MemoryReply *readByte(int address) override
    {
        characters += readCharacters;
        return timed(m_memory.readByte(address), readCharacters);
    }
    MemoryReply *writeByte(int address, quint8 value) override
    {
        characters += writeCharacters;
        return timed(m_memory.writeByte(address, value), writeCharacters);
    }

    // The median of each command's time beyond its wire time: what the
    // utility adds, without the pauses a busy machine hands out now and then.
    double medianOverheadMs()
    {
        std::sort(m_overheadsMs.begin(), m_overheadsMs.end());
        return m_overheadsMs.empty() ? 0 : m_overheadsMs[m_overheadsMs.size() / 2];
    }

    int commands = 0;
    qint64 characters = 0;

private:
    MemoryReply *timed(MemoryReply *reply, int wireCharacters)
    {
        ++commands;
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QObject::connect(reply, &MemoryReply::finished, [this, clock, wireCharacters] {
            m_overheadsMs.push_back(double(clock->nsecsElapsed()) / 1e6 - wireCharacters * msPerCharacter);
        });
        return reply;
    }

    MemoryAccess &m_memory;
    std::vector<double> m_overheadsMs;
};

bool runBackup(const char *what, MemoryAccess &memory, CountingMemory &counted, const InstrumentData &truth)
{
    BackupJob job(memory, QString(), BackupInfo());
    QElapsedTimer clock;
    QObject::connect(&job, &TransferJob::finished, qApp, [] { QCoreApplication::exit(0); });
    clock.start();
    job.start();
    QCoreApplication::exec();
    const double measured = double(clock.elapsed()) / 1000.0;
    const double wire = double(counted.characters) * msPerCharacter / 1000.0;
    const bool equal = job.data().programs == truth.programs && job.data().reagents == truth.reagents;
    std::printf("%-9s %5d bytes, %6d commands: %7.1f s measured, %7.1f s wire time, %+5.2f %%; median %+.2f ms "
                "per command beyond its wire time (%+.2f %%)%s\n",
                what, job.bytesRead(), counted.commands, measured, wire, (measured - wire) / wire * 100.0,
                counted.medianOverheadMs(), counted.medianOverheadMs() / (readCharacters * msPerCharacter) * 100.0,
                job.outcome().status == TransferOutcome::Status::Done && equal ? "" : "  (FAILED)");
    std::fflush(stdout);
    return equal;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        qputenv("CORVEX_SIM", argv[1]);
    else if (qEnvironmentVariableIsEmpty("CORVEX_SIM"))
        qputenv("CORVEX_SIM", QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/corvex-sim")));

    const InstrumentData truth = twelveProgramData();
    QTemporaryDir folder;
    const QString image = folder.filePath(QStringLiteral("memory.bin"));
    if (!writeBytes(image, instrumentImage(truth)))
        return 1;
    SimulatorProcess simulator;
    if (!simulator.start({QStringLiteral("--wire-timing"), QStringLiteral("--memory"), image})) {
        std::fprintf(stderr, "cannot start corvex-sim: %s\n", qPrintable(simulator.errorString()));
        return 1;
    }
    SerialDevicePort port;
    port.setDeviceName(simulator.devicePath());
    if (!port.open()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(simulator.devicePath()));
        return 1;
    }
    SerialLink link(port);
    LinkMemory linkMemory(link);

    std::printf("Backup of 12 used programs and 200 reagents at 9600 baud (target: within %.0f %% of the wire time)\n",
                targetPercent);
    CountingMemory plain(linkMemory);
    bool ok = runBackup("plain", plain, plain, truth);
    CountingMemory counted(linkMemory);
    VerifiedMemory verified(counted);
    ok = runBackup("verified", verified, counted, truth) && ok;
    port.close();
    return ok ? 0 : 1;
}
