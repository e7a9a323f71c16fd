#include "model/LocalStore.h"

#include "model/FitName.h"
#include "model/IniFile.h"
#include "model/ListTexts.h"
#include "model/ProgramSection.h"

namespace {

const QByteArray ReagentSection = "Reagents";

void loadReagents(IniFile &ini, ReagentTable &reagents)
{
    ini.SetSectionName(ReagentSection);
    for (int n = 1; n <= ReagentCount; ++n) {
        QByteArray name;
        ini.ReadString(ReagentKey(n), name);
        reagents[n] = nameForStorage(name);
    }
}

ProgramRecord loadProgram(IniFile &ini, int number)
{
    ini.SetSectionName(ProgramSectionName(number, true));
    QByteArray name;
    ini.ReadString("Name", name);
    // A blank name marks a free slot, whatever else its section holds.
    if (name.isEmpty())
        return ProgramRecord::Empty();
    ProgramRecord program;
    ReadProgramNumbers(ini, program);
    program.Name = nameForStorage(name);
    return program;
}

} // namespace

StoreResult LoadStore(const QString &storePath, InstrumentData &data)
{
    IniFile ini;
    ini.SetFileName(storePath);
    InstrumentData loaded;
    loadReagents(ini, loaded.reagents);
    for (int p = 1; p <= ProgramCount; ++p)
        loaded.programs[p] = loadProgram(ini, p);
    data = std::move(loaded);

    const QString error = ini.ReadError();
    return error.isEmpty() ? StoreResult::Done() : StoreResult::Failed(error);
}

StoreResult SaveToStore(int number, const QString &storePath, const InstrumentData &data)
{
    if (number != 0)
        return WriteProgramSection(number, storePath, true, data);

    IniFile ini;
    ini.SetFileName(storePath);
    ini.SetSectionName(ReagentSection);
    for (int n = 1; n <= ReagentCount; ++n)
        ini.WriteString(ReagentKey(n), NameValue(data.reagents[n]));
    return ini.Save();
}

StoreResult WriteProgramSection(int number, const QString &file, bool numbered, const InstrumentData &data)
{
    if (!ProgramTable::isValidNumber(number))
        return StoreResult::Failed(noSuchProgramMessage(number));
    IniFile ini;
    ini.SetFileName(file);
    ini.SetSectionName(ProgramSectionName(number, numbered));
    WriteProgramKeys(ini, data.programs[number]);
    return ini.Save();
}
