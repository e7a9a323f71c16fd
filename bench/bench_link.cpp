// Times the memory commands of whole transfers against corvex-sim with the
// line's 9600-baud timing, and compares each command with the wire time of
// its characters. Usage: bench_link [path of corvex-sim]
#include "DeviceTransfers.h"
#include "LinkMemory.h"
#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "support/SimulatorProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace corvex;

namespace {

constexpr double msPerCharacter = 10.0 * 1000.0 / 9600.0;
constexpr double overheadBudgetMs = 2.0;
constexpr double cpuBudgetPercent = 5.0;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Passes memory commands to the link and notes, per command, the time from
// the request until its reply reports, against the time its characters
// need on the line.
class TimingMemory : public MemoryAccess
{
public:
    explicit TimingMemory(SerialLink &link)
        : m_memory(link)
    {
    }

    MemoryReply *readByte(int address) override
    {
        // "!125,AAAA" CR out; "?125,AAAA,VV" CR LF back.
        return timed(m_memory.readByte(address), 10 + 14);
    }

    MemoryReply *writeByte(int address, quint8 value) override
    {
        // "!126,AAAA,VV" CR out; the echo with CR LF back.
        return timed(m_memory.writeByte(address, value), 13 + 14);
    }

    void setTurnaround(double ms) { m_turnaroundMs = ms; }

    struct Summary
    {
        size_t commands;
        double meanMeasured, meanWire, meanOverhead, p95Overhead, maxOverhead;
        int unanswered;
    };

    Summary takeSummary()
    {
        std::vector<double> sorted = m_overheads;
        std::sort(sorted.begin(), sorted.end());
        const double count = double(std::max<size_t>(1, sorted.size()));
        Summary summary{sorted.size(),
                        m_measuredTotal / count,
                        m_wireTotal / count,
                        (m_measuredTotal - m_wireTotal) / count,
                        sorted.empty() ? 0 : sorted[size_t(double(sorted.size() - 1) * 0.95)],
                        sorted.empty() ? 0 : sorted.back(),
                        m_unanswered};
        m_overheads.clear();
        m_measuredTotal = m_wireTotal = 0;
        m_unanswered = 0;
        return summary;
    }

private:
    MemoryReply *timed(MemoryReply *reply, int characters)
    {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        QObject::connect(reply, &MemoryReply::finished, reply, [this, reply, timer, characters] {
            const double measured = double(timer->nsecsElapsed()) / 1e6;
            const double wire = double(characters) * msPerCharacter + m_turnaroundMs;
            m_overheads.push_back(measured - wire);
            m_measuredTotal += measured;
            m_wireTotal += wire;
            if (!reply->ok() || reply->attempts() != 1)
                ++m_unanswered;
        });
        return reply;
    }

    LinkMemory m_memory;
    std::vector<double> m_overheads;
    double m_measuredTotal = 0;
    double m_wireTotal = 0;
    double m_turnaroundMs = 0;
    int m_unanswered = 0;
};

// Runs a job to its end.
bool runJob(TransferJob *made)
{
    std::unique_ptr<TransferJob> job(made);
    QEventLoop loop;
    QObject::connect(job.get(), &TransferJob::finished, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
    return job->outcome().status == TransferOutcome::Status::Done || job->outcome().status == TransferOutcome::Status::Stopped;
}

bool report(const char *phase, TimingMemory::Summary s, double wallMs, double cpuMs)
{
    const double cpuPercent = 100.0 * cpuMs / wallMs;
    const bool ok = s.unanswered == 0 && s.meanOverhead < overheadBudgetMs && cpuPercent < cpuBudgetPercent;
    std::printf("%-22s %5zu cmds  per command: measured %6.2f ms  wire %6.2f ms  overhead mean %5.2f  p95 %5.2f  max %5.2f ms"
                "  | total %7.0f ms  CPU %5.2f%%  %s\n",
                phase, s.commands, s.meanMeasured, s.meanWire, s.meanOverhead, s.p95Overhead, s.maxOverhead, wallMs,
                cpuPercent, ok ? "ok" : "OVER BUDGET");
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        qputenv("CORVEX_SIM", argv[1]);

    constexpr double turnaroundMs = 1.0;
    SimulatorProcess simulator;
    if (!simulator.start({QStringLiteral("--demo"), QStringLiteral("--wire-timing"), QStringLiteral("--turnaround"),
                          QString::number(turnaroundMs)})) {
        std::fprintf(stderr, "bench_link: %s\n", qPrintable(simulator.errorString()));
        return 2;
    }
    SerialDevicePort port;
    port.setDeviceName(simulator.devicePath());
    if (!port.open()) {
        std::fprintf(stderr, "bench_link: %s\n", qPrintable(port.errorString()));
        return 2;
    }
    SerialLink link(port);
    TimingMemory memory(link);
    memory.setTurnaround(turnaroundMs);
    InstrumentData data;
    QTemporaryDir folder;
    TransferLog log(folder.filePath(QStringLiteral("transfer-log.csv")));
    DeviceTransfers transfers(memory, data, folder.filePath(QStringLiteral("CORVEX.ini")), log);

    std::printf("9600 baud: %.3f ms per character; instrument turnaround %.1f ms\n", msPerCharacter, turnaroundMs);
    bool ok = true;
    auto phase = [&](const char *name, auto &&run) {
        QElapsedTimer wall;
        const double cpuBefore = cpuSeconds();
        wall.start();
        const bool moved = run();
        const double wallMs = double(wall.nsecsElapsed()) / 1e6;
        const double cpuMs = (cpuSeconds() - cpuBefore) * 1000.0;
        ok = report(name, memory.takeSummary(), wallMs, cpuMs) && moved && ok;
    };

    phase("read program 1 (EM)", [&] { return runJob(transfers.readProgram(1)); });
    phase("send program 1", [&] { return runJob(transfers.sendProgram(1)); });
    phase("read reagents 1..20", [&] {
        TransferJob *job = transfers.readAllReagents();
        QObject::connect(job, &TransferJob::reagentDone, job, [job](int reagent) {
            if (reagent == 20)
                job->stop();
        });
        return runJob(job);
    });

    port.close();
    simulator.stop();
    std::printf("budget: overhead under %.1f ms per command, CPU under %.0f%% of wall time: %s\n", overheadBudgetMs,
                cpuBudgetPercent, ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
