// Times the search for the instrument with the product's 1 s tick, with
// pseudo-terminals that open but never answer (as a PC's built-in serial
// ports do) and absent devices for the other ports: the simulator on COM5
// behind four silent ports, on COM16 behind fifteen (both in process and
// through corvexctl identify), on COM3 with a silent COM9 (which must wait
// for COM9's time-out), and with every other port absent.
// Usage: bench_search [path of corvex-sim]
#include "DeviceConnection.h"
#include "PortTable.h"
#include "SerialDevicePort.h"
#include "support/BuiltPrograms.h"
#include "support/CtlProcess.h"
#include "support/PseudoTerminal.h"
#include "support/SimulatorProcess.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace corvex;

namespace {

// Once the instrument has answered and no higher port can, the search ends.
constexpr double answerKnownBudgetMs = 500;
// A silent port above the instrument is waited for: six ticks of 1 s.
constexpr double silentAboveBudgetMs = 6500;

// Milliseconds until connectDevice() has connected; negative when it did not.
double timeSearch(int expectedPort)
{
    SerialDevicePort port;
    SerialLink link(port);
    DeviceConnection connection(link);
    QEventLoop loop;
    int found = 0;
    QObject::connect(&connection, &DeviceConnection::stateChanged, &loop, [&](DeviceConnection::State state) {
        if (state == DeviceConnection::State::Searching)
            return;
        found = connection.connectedPort();
        loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    connection.connectDevice();
    loop.exec();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    connection.closePort();
    return found == expectedPort ? ms : -ms;
}

bool report(const char *what, double ms, double budgetMs)
{
    const bool ok = ms >= 0 && (budgetMs <= 0 || ms < budgetMs);
    std::printf("%-66s %8.0f ms  %s\n", what, ms < 0 ? -ms : ms,
                ms < 0 ? "NOT FOUND" : budgetMs <= 0 ? "" : ok ? "ok" : "OVER BUDGET");
    return ok;
}

enum class Kind { Absent, Silent, Instrument };

// Points every port at an absent device, a silent pseudo-terminal or the
// simulator; the silent terminals live as long as the returned list.
std::vector<std::unique_ptr<PseudoTerminal>> layPorts(const IsolatedUserFolders &folders, const QString &simulator,
                                                      const std::function<Kind(int)> &kindOf)
{
    std::vector<std::unique_ptr<PseudoTerminal>> silent;
    for (int port = firstPort; port <= lastPort; ++port) {
        switch (kindOf(port)) {
        case Kind::Absent:
            setPortDeviceOverride(port, folders.path() + QStringLiteral("/absent-COM%1").arg(port));
            break;
        case Kind::Silent:
            silent.push_back(std::make_unique<PseudoTerminal>(QByteArray()));
            setPortDeviceOverride(port, silent.back()->path());
            break;
        case Kind::Instrument:
            setPortDeviceOverride(port, simulator);
            break;
        }
    }
    return silent;
}

// corvexctl identify in its own process, in milliseconds; negative when it
// did not find and store `expectedPort`.
double timeTool(int expectedPort)
{
    storeCommPort(0);
    QElapsedTimer timer;
    timer.start();
    const CtlRun identify = runProcess(ctlProgram(), {QStringLiteral("identify")});
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const bool stored = storedCommPort() == std::optional<int>(expectedPort);
    storeCommPort(0);
    return identify.exitCode == 0 && stored ? ms : -ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        qputenv("CORVEX_SIM", argv[1]);
    IsolatedUserFolders folders;

    SimulatorProcess simulator;
    if (!simulator.start({QStringLiteral("--demo")})) {
        std::fprintf(stderr, "bench_search: %s\n", qPrintable(simulator.errorString()));
        return 2;
    }
    bool ok = true;
    const QString instrument = simulator.devicePath();

    {
        // An instrument that answers at once, the other ports absent.
        const auto ports = layPorts(folders, instrument, [](int p) { return p == lastPort ? Kind::Instrument : Kind::Absent; });
        timeSearch(lastPort); // the first run also loads what a search needs
        storeCommPort(0);
        ok = report("COM16 answers at once, COM1..COM15 absent", timeSearch(lastPort), 0) && ok;
        storeCommPort(lastPort);
        ok = report("stored port COM16 answers at once", timeSearch(lastPort), 0) && ok;
        storeCommPort(0);
    }
    {
        const auto ports = layPorts(folders, instrument, [](int p) {
            return p < 5 ? Kind::Silent : p == 5 ? Kind::Instrument : Kind::Absent;
        });
        ok = report("COM5, COM1..COM4 silent, COM6..COM16 absent (budget 0.5 s)", timeSearch(5), answerKnownBudgetMs) && ok;
        ok = report("corvexctl identify, same ports (budget 0.5 s)", timeTool(5), answerKnownBudgetMs) && ok;
    }
    {
        const auto ports = layPorts(folders, instrument, [](int p) { return p == lastPort ? Kind::Instrument : Kind::Silent; });
        ok = report("COM16 behind 15 silent ports (budget 0.5 s)", timeSearch(lastPort), answerKnownBudgetMs) && ok;
        ok = report("corvexctl identify, same ports (budget 0.5 s)", timeTool(lastPort), answerKnownBudgetMs) && ok;
    }
    {
        const auto ports = layPorts(folders, instrument, [](int p) {
            return p == 3 ? Kind::Instrument : p == 9 ? Kind::Silent : Kind::Absent;
        });
        ok = report("COM3, a silent COM9, the rest absent (waits; budget 6.5 s)", timeSearch(3), silentAboveBudgetMs) && ok;
    }

    simulator.stop();
    std::printf("search budget: %s\n", ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
