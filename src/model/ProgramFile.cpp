#include "model/ProgramFile.h"

#include "model/FitName.h"
#include "model/IniFile.h"
#include "model/ListTexts.h"
#include "model/ProgramSection.h"

#include <QFile>

#include <sys/stat.h>

namespace {

const QString NotAProgramFileMessage = QStringLiteral("This is not a valid Program File.");

} // namespace

ImportResult ReadProgramFile(int number, const QString &file, InstrumentData &data)
{
    if (!ProgramTable::isValidNumber(number))
        return {ImportResult::Unreadable, noSuchProgramMessage(number)};

    IniFile ini;
    ini.SetFileName(file);
    if (!ini.FileOk()) {
        const QString error = ini.ReadError();
        return {ImportResult::Unreadable,
                error.isEmpty() ? QStringLiteral("Cannot read \"%1\": the file does not exist.").arg(file) : error};
    }
    ini.SetSectionName(ProgramSectionName(number, false));

    // Built aside and taken over only when the whole file is sound.
    ProgramRecord imported = data.programs[number];
    if (!ReadProgramNumbers(ini, imported))
        return {ImportResult::NotAProgramFile, NotAProgramFileMessage};
    QByteArray name = imported.Name;
    ini.ReadString("Name", name); // a file without a name keeps the program's name
    imported.Name = nameForStorage(name);
    data.programs[number] = imported;
    return {};
}

bool IsSameFile(const QString &a, const QString &b)
{
    struct stat first {}, second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 && ::stat(QFile::encodeName(b).constData(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

StoreResult ExportProgram(int number, const QString &file, const InstrumentData &data, const QString &storeInUse)
{
    if (!ProgramTable::isValidNumber(number))
        return StoreResult::Failed(noSuchProgramMessage(number));
    if (!storeInUse.isEmpty() && IsSameFile(file, storeInUse)) {
        return StoreResult::Failed(
            QStringLiteral("\"%1\" is the local store itself; a program file is never saved over it.").arg(file));
    }
    IniFile ini;
    ini.SetFileName(file);
    ini.StartEmpty();
    ini.SetSectionName(ProgramSectionName(number, false));
    WriteProgramKeys(ini, data.programs[number]);
    return ini.Save();
}

bool FileExists(const QString &file)
{
    if (file.isEmpty())
        return false;
    QFile probe(file);
    return probe.open(QIODevice::ReadOnly);
}
