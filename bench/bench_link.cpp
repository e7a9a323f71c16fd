// Times the memory commands of whole transfers against corvex-sim with the
// line's 9600-baud timing, and compares each command with the wire time of
// its characters. Usage: bench_link [path of corvex-sim]
#include "link/SerialDevicePort.h"
#include "link/SerialLink.h"
#include "model/ReagentTable.h"
#include "support/SimulatorProcess.h"
#include "transfer/LinkMemory.h"
#include "transfer/MemoryMap.h"
#include "transfer/TransferSteps.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr double MsPerCharacter = 10.0 * 1000.0 / 9600.0;
constexpr double OverheadBudgetMs = 2.0;
constexpr double CpuBudgetPercent = 5.0;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Passes commands to the link and notes, per command, the time it took
// against the time its characters need on the line.
class TimingChannel : public CommandChannel
{
public:
    explicit TimingChannel(SerialLink &link)
        : m_link(link)
    {
    }

    TransactionResult SendCommand(const QByteArray &command) override
    {
        QElapsedTimer timer;
        timer.start();
        const TransactionResult result = m_link.SendCommand(command);
        const double measured = double(timer.nsecsElapsed()) / 1e6;
        // "!1" + command + CR out; the reply with CR LF back.
        const qsizetype characters = command.size() + 3 + result.reply.size() + 2;
        const double wire = double(characters) * MsPerCharacter + m_turnaroundMs;
        m_overheads.push_back(measured - wire);
        m_measuredTotal += measured;
        m_wireTotal += wire;
        if (!result.answered())
            ++m_unanswered;
        return result;
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
    SerialLink &m_link;
    std::vector<double> m_overheads;
    double m_measuredTotal = 0;
    double m_wireTotal = 0;
    double m_turnaroundMs = 0;
    int m_unanswered = 0;
};

bool report(const char *phase, TimingChannel::Summary s, double wallMs, double cpuMs)
{
    const double cpuPercent = 100.0 * cpuMs / wallMs;
    const bool ok = s.unanswered == 0 && s.meanOverhead < OverheadBudgetMs && cpuPercent < CpuBudgetPercent;
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
    else if (qEnvironmentVariableIsEmpty("CORVEX_SIM"))
        qputenv("CORVEX_SIM", (QCoreApplication::applicationDirPath() + QStringLiteral("/corvex-sim")).toLocal8Bit());

    constexpr double TurnaroundMs = 1.0;
    SimulatorProcess simulator;
    if (!simulator.start({QStringLiteral("--demo"), QStringLiteral("--wire-timing"), QStringLiteral("--turnaround"),
                          QString::number(TurnaroundMs)})) {
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
    TimingChannel channel(link);
    channel.setTurnaround(TurnaroundMs);
    LinkMemory memory(channel);
    TransferObserver quiet;

    std::printf("9600 baud: %.3f ms per character; instrument turnaround %.1f ms\n", MsPerCharacter, TurnaroundMs);
    bool ok = true;
    auto phase = [&](const char *name, auto &&run) {
        QElapsedTimer wall;
        const double cpuBefore = cpuSeconds();
        wall.start();
        const bool moved = run();
        const double wallMs = double(wall.nsecsElapsed()) / 1e6;
        const double cpuMs = (cpuSeconds() - cpuBefore) * 1000.0;
        ok = report(name, channel.takeSummary(), wallMs, cpuMs) && moved && ok;
    };

    ProgramRecord program;
    phase("read program 1 (EM)", [&] { return ReadProgramBytes(memory, 1, quiet, program).ok(); });
    phase("send program 1", [&] { return SendProgramBytes(memory, 1, program, quiet).ok(); });
    phase("read reagents 1..20", [&] {
        bool all = true;
        for (int r = 1; r <= 20; ++r) {
            QByteArray name;
            all = ReadReagentBytes(memory, r, name).ok() && all;
        }
        return all;
    });

    port.close();
    simulator.stop();
    std::printf("budget: overhead under %.1f ms per command, CPU under %.0f%% of wall time: %s\n", OverheadBudgetMs,
                CpuBudgetPercent, ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
