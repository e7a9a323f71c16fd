// Start-up of the utility after the notice has been confirmed: the start-up
// window, the main window's load with a full store (200 reagents, 99 programs
// of 24 vials), up to the main window shown and painted. Three cases: no port
// that opens (the search of all ports ends at once), a stored port on which
// corvex-sim answers, and a stored port on which it stays silent (one
// identification time-out at the product's 1 s tick). Prints the first (cold)
// run and the median of the following runs of each.
// Usage: bench_startup [runs] (corvex-sim from CORVEX_SIM or beside this program)
#include "DeviceConnection.h"
#include "LocalStore.h"
#include "PortTable.h"
#include "SerialDevicePort.h"
#include "SerialLink.h"
#include "Startup.h"
#include "support/SimulatorProcess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace corvex;

namespace {

InstrumentData fullStoreData()
{
    InstrumentData data;
    for (int r = 1; r <= reagentCount; ++r)
        data.reagents[r] = QByteArray("Reagent ").append(QByteArray::number(r)).leftJustified(nameLength, ' ');
    for (int p = 1; p <= programCount; ++p) {
        ProgramRecord &program = data.programs[p];
        program.name = QByteArray("Program ").append(QByteArray::number(p)).leftJustified(nameLength, ' ');
        program.type = p % 2;
        for (int v = 1; v <= vialCount; ++v)
            program.vial(v) = VialStep{1 + (p * v) % reagentCount, v % 6, v % 2, v % 3, (p + v) % 60, v % 3 ? 0 : 40};
        program.duration = 1000 + p;
    }
    return data;
}

// Everything main() builds, for one start-up.
struct Utility
{
    explicit Utility(const QString &storePath)
        : storePath(storePath)
    {
    }
    QString storePath;
    InstrumentData data;
    SerialDevicePort port;
    SerialLink link{port};
    DeviceConnection connection{link};
    Startup startup{{data, storePath, link, connection}};
};

std::unique_ptr<Utility> &currentUtility()
{
    static std::unique_ptr<Utility> current;
    return current;
}

// Runs `runs` start-ups one after another from the event loop and hands the
// times (ms) to `done`.
void startRuns(const QString &storePath, int runs, std::vector<double> *times, std::function<void()> done)
{
    if (int(times->size()) >= runs) {
        done();
        return;
    }
    static QElapsedTimer clock;
    std::unique_ptr<Utility> &utility = currentUtility();
    utility = std::make_unique<Utility>(storePath);
    clock.start();
    QObject::connect(&utility->startup, &Startup::shown, [=](MainWindow *window) {
        // The first paint follows the show from the event loop.
        QTimer::singleShot(0, [=] {
            times->push_back(clock.nsecsElapsed() / 1e6);
            window->close();
            QTimer::singleShot(0, [=] {
                currentUtility().reset();
                startRuns(storePath, runs, times, done);
            });
        });
    });
    utility->startup.load();
}

void report(const char *what, const std::vector<double> &times)
{
    std::vector<double> warm(times.begin() + 1, times.end());
    std::sort(warm.begin(), warm.end());
    std::printf("start-up to the shown main window, full store, %s: first %.1f ms", what, times.front());
    if (!warm.empty())
        std::printf(", median of %zu more %.1f ms (fastest %.1f, slowest %.1f)", warm.size(), warm[warm.size() / 2],
                    warm.front(), warm.back());
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // each run closes its window
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath(QStringLiteral("config")));
    if (qEnvironmentVariableIsEmpty("CORVEX_SIM"))
        qputenv("CORVEX_SIM", (QCoreApplication::applicationDirPath() + QStringLiteral("/corvex-sim")).toLocal8Bit());
    for (int p = firstPort; p <= lastPort; ++p)
        setPortDeviceOverride(p, folder.filePath(QStringLiteral("absent-COM%1").arg(p)));

    const QString storePath = folder.filePath(QStringLiteral("CORVEX.ini"));
    const InstrumentData full = fullStoreData();
    for (int number = 0; number <= programCount; ++number) {
        if (!saveToStore(number, storePath, full)) {
            std::fprintf(stderr, "cannot write the store\n");
            return 1;
        }
    }

    QElapsedTimer loadClock;
    loadClock.start();
    InstrumentData loaded;
    loadStore(storePath, loaded);
    std::printf("loading the full store alone: %.1f ms\n", loadClock.nsecsElapsed() / 1e6);

    const int runs = argc > 1 ? std::max(2, atoi(argv[1])) : 15;
    SimulatorProcess answering;
    SimulatorProcess silent;
    if (!answering.start({QStringLiteral("--demo")}) || !silent.start({QStringLiteral("--silent")})) {
        std::fprintf(stderr, "cannot start corvex-sim: %s\n", qPrintable(answering.errorString()));
        return 1;
    }

    std::vector<double> noPort;
    std::vector<double> storedAnswers;
    std::vector<double> storedSilent;
    startRuns(storePath, runs, &noPort, [&] {
        report("no port that opens", noPort);
        setPortDeviceOverride(3, answering.devicePath());
        storeCommPort(3);
        startRuns(storePath, runs, &storedAnswers, [&] {
            report("stored port answers", storedAnswers);
            setPortDeviceOverride(3, silent.devicePath());
            startRuns(storePath, 2, &storedSilent, [&] {
                report("stored port silent", storedSilent);
                QCoreApplication::quit();
            });
        });
    });
    return app.exec();
}
