// Start-up of the utility after the notice has been confirmed: the start-up
// window, the main window's load with a full store (200 reagents, 99 programs
// of 24 vials) and no port that opens, up to the main window shown and
// painted. Prints the first (cold) run and the median of the following runs.
#include "app/Startup.h"
#include "link/DeviceConnection.h"
#include "link/PortTable.h"
#include "link/SerialDevicePort.h"
#include "link/SerialLink.h"
#include "model/LocalStore.h"
#include "transfer/DeviceTransfers.h"
#include "transfer/LinkMemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

InstrumentData FullStoreData()
{
    InstrumentData data;
    for (int r = 1; r <= ReagentCount; ++r)
        data.reagents[r] = QByteArray("Reagent ").append(QByteArray::number(r)).leftJustified(NameLength, ' ');
    for (int p = 1; p <= ProgramCount; ++p) {
        ProgramRecord &program = data.programs[p];
        program.Name = QByteArray("Program ").append(QByteArray::number(p)).leftJustified(NameLength, ' ');
        program.Type = p % 2;
        for (int v = 1; v <= VialCount; ++v)
            program.vial(v) = VialStep{1 + (p * v) % ReagentCount, v % 6, v % 2, v % 3, (p + v) % 60, v % 3 ? 0 : 40};
        program.Duration = 1000 + p;
    }
    return data;
}

double StartOnce(const QString &storePath)
{
    InstrumentData data;
    SerialDevicePort port;
    SerialLink link(port);
    DeviceConnection connection(link);
    LinkMemory memory(link);
    DeviceTransfers transfers(memory, data, storePath);

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<MainWindow> window = LoadMainWindow({data, storePath, link, connection, transfers});
    QCoreApplication::processEvents(); // the first paint
    const double milliseconds = clock.nsecsElapsed() / 1e6;
    window->close();
    return milliseconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath(QStringLiteral("config")));
    for (int p = FirstPort; p <= LastPort; ++p)
        SetPortDeviceOverride(p, folder.filePath(QStringLiteral("absent-COM%1").arg(p)));

    const QString storePath = folder.filePath(QStringLiteral("CORVEX.ini"));
    const InstrumentData full = FullStoreData();
    for (int number = 0; number <= ProgramCount; ++number) {
        if (!SaveToStore(number, storePath, full)) {
            std::fprintf(stderr, "cannot write the store\n");
            return 1;
        }
    }

    QElapsedTimer loadClock;
    loadClock.start();
    InstrumentData loaded;
    LoadStore(storePath, loaded);
    std::printf("loading the full store alone: %.1f ms\n", loadClock.nsecsElapsed() / 1e6);

    const int runs = argc > 1 ? std::max(2, atoi(argv[1])) : 15;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(StartOnce(storePath));
    const double cold = times.front();
    std::vector<double> warm(times.begin() + 1, times.end());
    std::sort(warm.begin(), warm.end());
    std::printf("start-up to the shown main window, full store, no port: first %.1f ms, median of %zu more %.1f ms "
                "(fastest %.1f, slowest %.1f)\n",
                cold, warm.size(), warm[warm.size() / 2], warm.front(), warm.back());
    return 0;
}
