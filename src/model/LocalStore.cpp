#include "LocalStore.h"

#include "IniFile.h"
#include "ListTexts.h"
#include "NameForms.h"
#include "ProgramSection.h"

namespace corvex {

namespace {

const QByteArray reagentSection = "Reagents";

void loadReagents(IniFile &ini, ReagentTable &reagents)
{
    ini.setSectionName(reagentSection);
    for (int n = 1; n <= reagentCount; ++n) {
        QByteArray name;
        ini.readString(reagentKey(n), name);
        reagents[n] = nameForStorage(name);
    }
}

ProgramRecord loadProgram(IniFile &ini, int number)
{
    ini.setSectionName(programSectionName(number, true));
    QByteArray name;
    ini.readString("Name", name);
    // A blank name marks a free slot, whatever else its section holds.
    if (name.isEmpty())
        return ProgramRecord::empty();
    ProgramRecord program;
    readProgramNumbers(ini, program);
    program.name = nameForStorage(name);
    return program;
}

} // namespace

StoreResult loadStore(const QString &storePath, InstrumentData &data)
{
    IniFile ini;
    ini.setFileName(storePath);
    InstrumentData loaded;
    loadReagents(ini, loaded.reagents);
    for (int p = 1; p <= programCount; ++p)
        loaded.programs[p] = loadProgram(ini, p);
    data = std::move(loaded);

    const QString error = ini.readError();
    return error.isEmpty() ? StoreResult::done() : StoreResult::failed(error);
}

StoreResult saveToStore(int number, const QString &storePath, const InstrumentData &data)
{
    if (number != 0)
        return writeProgramSection(number, storePath, true, data);

    IniFile ini;
    ini.setFileName(storePath);
    ini.setSectionName(reagentSection);
    for (int n = 1; n <= reagentCount; ++n)
        ini.writeString(reagentKey(n), nameValue(data.reagents[n]));
    return ini.save();
}

StoreResult writeProgramSection(int number, const QString &file, bool numbered, const InstrumentData &data)
{
    if (!ProgramTable::isValidNumber(number))
        return StoreResult::failed(noSuchProgramMessage(number));
    IniFile ini;
    ini.setFileName(file);
    ini.setSectionName(programSectionName(number, numbered));
    writeProgramKeys(ini, data.programs[number]);
    return ini.save();
}

} // namespace corvex
