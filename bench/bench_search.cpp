// Times the search for the instrument with the product's 1 s tick: the
// simulator on COM16 behind fifteen pseudo-terminals that open but never
// answer (as a PC's built-in serial ports do), in process and through
// corvexctl identify; and an instrument that answers at once, with every
// other port absent. Usage: bench_search [path of corvex-sim]
#include "link/DeviceConnection.h"
#include "link/PortTable.h"
#include "link/SerialDevicePort.h"
#include "support/BuiltPrograms.h"
#include "support/CtlProcess.h"
#include "support/PseudoTerminal.h"
#include "support/SimulatorProcess.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr double SearchBudgetMs = 6500;
constexpr double ToolBudgetMs = 8000;

// Milliseconds until connectDevice() has connected; negative when it did not.
double timeSearch(int expectedPort)
{
    SerialDevicePort port;
    SerialLink link(port);
    DeviceConnection connection(link);
    QEventLoop loop;
    int found = 0;
    QObject::connect(&connection, &DeviceConnection::connected, &loop, [&](int p) {
        found = p;
        loop.quit();
    });
    QObject::connect(&connection, &DeviceConnection::notConnected, &loop, &QEventLoop::quit);
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
    std::printf("%-62s %8.0f ms  %s\n", what, ms < 0 ? -ms : ms,
                ms < 0 ? "NOT FOUND" : budgetMs <= 0 ? "" : ok ? "ok" : "OVER BUDGET");
    return ok;
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

    // An instrument that answers at once, the other ports absent.
    for (int port = FirstPort; port < LastPort; ++port)
        SetPortDeviceOverride(port, folders.path() + QStringLiteral("/absent-COM%1").arg(port));
    SetPortDeviceOverride(LastPort, simulator.devicePath());
    timeSearch(LastPort); // the first run also loads what a search needs
    StoreCommPort(0);
    ok = report("COM16 answers at once, COM1..COM15 absent", timeSearch(LastPort), 0) && ok;
    StoreCommPort(LastPort);
    ok = report("stored port COM16 answers at once", timeSearch(LastPort), 0) && ok;
    StoreCommPort(0);

    std::vector<std::unique_ptr<PseudoTerminal>> silent;
    for (int port = FirstPort; port < LastPort; ++port) {
        silent.push_back(std::make_unique<PseudoTerminal>(QByteArray()));
        SetPortDeviceOverride(port, silent.back()->path());
    }
    ok = report("COM16 behind 15 silent pseudo-terminals (budget 6.5 s)", timeSearch(LastPort), SearchBudgetMs) && ok;

    StoreCommPort(0);
    QElapsedTimer timer;
    timer.start();
    const CtlRun identify = RunProcess(CtlProgram(), {QStringLiteral("identify")});
    const double toolMs = double(timer.nsecsElapsed()) / 1e6;
    const bool stored = StoredCommPort() == std::optional<int>(LastPort);
    ok = report("corvexctl identify, same ports (budget 8 s, stores CommPort=16)",
                identify.exitCode == 0 && stored ? toolMs : -toolMs, ToolBudgetMs)
        && ok;

    simulator.stop();
    std::printf("search budget: %s\n", ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
