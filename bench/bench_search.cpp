// Times the search for the instrument with the product's 1 s tick: the
// simulator on COM16 behind fifteen pseudo-terminals that open but never
// answer (as a PC's built-in serial ports do), in process and through
// corvexctl identify; and an instrument that answers at once, with every
// other port absent. Usage: bench_search [path of corvex-sim]
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
#include <memory>
#include <vector>

using namespace corvex;

namespace {

constexpr double searchBudgetMs = 6500;
constexpr double toolBudgetMs = 8000;

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
    for (int port = firstPort; port < lastPort; ++port)
        setPortDeviceOverride(port, folders.path() + QStringLiteral("/absent-COM%1").arg(port));
    setPortDeviceOverride(lastPort, simulator.devicePath());
    timeSearch(lastPort); // the first run also loads what a search needs
    storeCommPort(0);
    ok = report("COM16 answers at once, COM1..COM15 absent", timeSearch(lastPort), 0) && ok;
    storeCommPort(lastPort);
    ok = report("stored port COM16 answers at once", timeSearch(lastPort), 0) && ok;
    storeCommPort(0);

    std::vector<std::unique_ptr<PseudoTerminal>> silent;
    for (int port = firstPort; port < lastPort; ++port) {
        silent.push_back(std::make_unique<PseudoTerminal>(QByteArray()));
        setPortDeviceOverride(port, silent.back()->path());
    }
    ok = report("COM16 behind 15 silent pseudo-terminals (budget 6.5 s)", timeSearch(lastPort), searchBudgetMs) && ok;

    storeCommPort(0);
    QElapsedTimer timer;
    timer.start();
    const CtlRun identify = runProcess(ctlProgram(), {QStringLiteral("identify")});
    const double toolMs = double(timer.nsecsElapsed()) / 1e6;
    const bool stored = storedCommPort() == std::optional<int>(lastPort);
    ok = report("corvexctl identify, same ports (budget 8 s, stores CommPort=16)",
                identify.exitCode == 0 && stored ? toolMs : -toolMs, toolBudgetMs)
        && ok;

    simulator.stop();
    std::printf("search budget: %s\n", ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
