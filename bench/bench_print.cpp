// Times the print run: the layout alone, and whole PDF documents.
#include "NameForms.h"
#include "PdfPrint.h"
#include "PrintLayout.h"
#include "RecordingSurface.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

using namespace corvex;

namespace {

InstrumentData fullData()
{
    InstrumentData data;
    for (int n = 1; n <= reagentCount; ++n)
        data.reagents[n] = nameForStorage("Reagent " + QByteArray::number(n));
    for (int p = 1; p <= programCount; ++p) {
        ProgramRecord &program = data.programs[p];
        program.name = nameForStorage("Program " + QByteArray::number(p));
        program.type = typeEm;
        for (int v = 1; v <= vialCount; ++v)
            program.vial(v) = VialStep{1 + (p + v) % 200, v % 6, v % 2, 1, 30, 37};
        program.duration = 24 * 90;
    }
    return data;
}

template <typename Work>
double millisecondsPerRun(int runs, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        work();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const InstrumentData data = fullData();
    QTemporaryDir dir;

    PrintRequest all;
    all.firstProgram = QStringLiteral("1");
    all.lastProgram = QStringLiteral("99");
    all.logo = true;
    all.logoPicture = QImage(800, 400, QImage::Format_RGB32);
    all.logoPicture.fill(Qt::darkBlue);

    out << "layout of 99 program sheets (recorded): "
        << millisecondsPerRun(20, [&] { RecordingSurface surface; runPrintLayout(data, all, surface); }) << " ms\n";

    const QString pdf = dir.filePath(QStringLiteral("all.pdf"));
    out << "PDF of 99 program sheets with logo: " << millisecondsPerRun(3, [&] { printToPdfFile(data, all, pdf); })
        << " ms, " << QFileInfo(pdf).size() / 1024 << " KiB\n";

    PrintRequest one = all;
    one.lastProgram = QStringLiteral("1");
    one.logo = false;
    out << "PDF of one program sheet: " << millisecondsPerRun(10, [&] { printToPdfFile(data, one, pdf); }) << " ms, "
        << QFileInfo(pdf).size() / 1024 << " KiB\n";

    PrintRequest reagents = one;
    reagents.content = PrintRequest::Content::ReagentList;
    out << "PDF of the reagent list (four columns): "
        << millisecondsPerRun(10, [&] { printToPdfFile(data, reagents, pdf); }) << " ms\n";
    return 0;
}
