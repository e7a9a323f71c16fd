// Times the start-up load of a full store (99 programs of 24 vials, 200
// reagents) and the save of one program section and of the reagent section.
// Usage: bench_store [runs]   (default 200)

#include "LocalStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

using namespace corvex;

namespace {

InstrumentData fullData()
{
    InstrumentData data;
    for (int n = 1; n <= reagentCount; ++n)
        data.reagents[n] = QByteArray("Reagent " + QByteArray::number(n) + "     ").left(nameLength);
    for (int p = 1; p <= programCount; ++p) {
        ProgramRecord &program = data.programs[p];
        program.name = QByteArray("Program " + QByteArray::number(p) + "     ").left(nameLength);
        program.type = typeEm;
        for (int v = 1; v <= vialCount; ++v)
            program.vial(v) = {1 + (p + v) % 200, v % 6, v % 2, v % 10, (p * v) % 60, 37};
        program.duration = p * 60;
    }
    return data;
}

void report(QTextStream &out, const char *what, std::vector<double> milliseconds)
{
    std::sort(milliseconds.begin(), milliseconds.end());
    out << QStringLiteral("%1  median %2 ms  worst %3 ms  (%4 runs)\n")
               .arg(QLatin1String(what), -22)
               .arg(milliseconds[milliseconds.size() / 2], 0, 'f', 2)
               .arg(milliseconds.back(), 0, 'f', 2)
               .arg(milliseconds.size());
}

std::vector<double> time(int runs, const std::function<void(int)> &work)
{
    std::vector<double> milliseconds;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        work(run);
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return milliseconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, argc > 1 ? QByteArray(argv[1]).toInt() : 200);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("CORVEX.ini"));

    InstrumentData data = fullData();
    bool ok = bool(saveToStore(0, store, data));
    for (int p = 1; p <= programCount; ++p)
        ok = ok && saveToStore(p, store, data);
    if (!ok) {
        out << "Could not write the store in " << dir.path() << '\n';
        return 1;
    }
    out << "Store: " << programCount << " programs of " << vialCount << " vials, " << reagentCount << " reagents, "
        << QFileInfo(store).size() << " bytes\n";

    report(out, "LoadStore", time(runs, [&](int) {
        InstrumentData loaded;
        if (!loadStore(store, loaded) || loaded.programs[99].duration != 99 * 60)
            qFatal("the store did not load");
    }));
    report(out, "SaveToStore(program)", time(runs, [&](int run) {
        const int number = 1 + run % programCount;
        data.programs[number].duration += 1;
        if (!saveToStore(number, store, data))
            qFatal("the program was not saved");
    }));
    report(out, "SaveToStore(reagents)", time(runs, [&](int run) {
        data.reagents[1 + run % reagentCount][0] = char('A' + run % 26);
        if (!saveToStore(0, store, data))
            qFatal("the reagents were not saved");
    }));
    return 0;
}
