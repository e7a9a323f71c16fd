#include "ProgramFile.h"

#include "IniFile.h"
#include "ListTexts.h"
#include "ModelText.h"
#include "NameForms.h"
#include "ProgramSection.h"

#include <QFile>

#include <sys/stat.h>

namespace corvex {

ImportResult readProgramFile(int number, const QString &file, InstrumentData &data)
{
    if (!ProgramTable::isValidNumber(number))
        return {ImportResult::Status::Unreadable, noSuchProgramMessage(number)};

    IniFile ini;
    ini.setFileName(file);
    if (!ini.fileOk()) {
        const QString error = ini.readError();
        return {ImportResult::Status::Unreadable,
                error.isEmpty() ? ModelText::tr("Cannot read \"%1\": the file does not exist.").arg(file) : error};
    }
    ini.setSectionName(programSectionName(number, false));

    // Built aside and taken over only when the whole file is sound.
    ProgramRecord imported = data.programs[number];
    QList<KeyProblem> problems;
    readCheckedProgramNumbers(ini, imported, true, problems);
    if (!problems.isEmpty()) {
        return {ImportResult::Status::NotAProgramFile,
                ModelText::tr("This is not a valid Program File.") + QLatin1Char('\n')
                    + problemText(problems.constFirst()) + QLatin1Char('.')};
    }
    QByteArray name = imported.name;
    ini.readString("Name", name); // a file without a name keeps the program's name
    imported.name = nameForStorage(name);
    data.programs[number] = imported;
    return {};
}

bool isSameFile(const QString &a, const QString &b)
{
    struct stat first {}, second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 && ::stat(QFile::encodeName(b).constData(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

StoreResult exportProgram(int number, const QString &file, const InstrumentData &data, const QString &storeInUse)
{
    if (!ProgramTable::isValidNumber(number))
        return StoreResult::failed(noSuchProgramMessage(number));
    if (!storeInUse.isEmpty() && isSameFile(file, storeInUse)) {
        return StoreResult::failed(
            ModelText::tr("\"%1\" is the local store itself; a program file is never saved over it.").arg(file));
    }
    IniFile ini;
    ini.setFileName(file);
    ini.startEmpty();
    ini.setSectionName(programSectionName(number, false));
    writeProgramKeys(ini, data.programs[number]);
    return ini.save();
}

bool fileExists(const QString &file)
{
    if (file.isEmpty())
        return false;
    QFile probe(file);
    return probe.open(QIODevice::ReadOnly);
}

} // namespace corvex
