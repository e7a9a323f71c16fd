// Arbitrary bytes as a program file and as a store. An import either takes
// the whole program or changes nothing, and an imported program exports and
// imports again unchanged; a store of any bytes loads, and a program saved
// into it loads back unchanged.

#include "LocalStore.h"
#include "ProgramFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace corvex;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

InstrumentData sample()
{
    InstrumentData data;
    data.programs[5].name = "Before import";
    data.programs[5].duration = 42;
    data.programs[5].vial(3) = {7, 1, 1, 2, 3, 40};
    return data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.txt"));
    const QString exported = dir.filePath(QStringLiteral("exported.txt"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    writeFile(input, bytes);

    InstrumentData imported = sample();
    if (readProgramFile(5, input, imported)) {
        check(imported.programs[5].name.size() == 13);
        check(bool(exportProgram(5, exported, imported)));
        InstrumentData again = sample();
        check(bool(readProgramFile(5, exported, again)));
        check(again.programs[5] == imported.programs[5]);
    } else {
        check(imported.programs == sample().programs);
    }

    InstrumentData store;
    check(bool(loadStore(input, store)));
    store.programs[9] = imported.programs[5];
    check(bool(saveToStore(9, input, store)));
    InstrumentData reloaded;
    check(bool(loadStore(input, reloaded)));
    const bool blankName = store.programs[9].name.trimmed().isEmpty() && !store.programs[9].name.contains('\t');
    check(reloaded.programs[9] == (blankName ? ProgramRecord::empty() : store.programs[9]));
    return 0;
}
