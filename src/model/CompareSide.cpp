#include "model/CompareSide.h"

#include "model/IniFile.h"
#include "model/ListTexts.h"
#include "model/LocalStore.h"
#include "model/ProgramFile.h"
#include "model/ProgramSection.h"

namespace {

bool hasSection(IniFile &ini, const QByteArray &section, QByteArrayView key)
{
    ini.SetSectionName(section);
    QByteArray value;
    return ini.ReadString(key, value) == IniFile::Ok;
}

bool looksLikeStore(IniFile &ini)
{
    if (hasSection(ini, "Reagents", "R001"))
        return true;
    for (int p = 1; p <= ProgramCount; ++p) {
        if (hasSection(ini, ProgramSectionName(p, true), "Name"))
            return true;
    }
    return false;
}

} // namespace

std::optional<CompareSide> LoadCompareSide(const QString &path, QString &error)
{
    IniFile ini;
    ini.SetFileName(path);
    if (!ini.FileOk()) {
        error = ini.ReadError();
        if (error.isEmpty())
            error = QStringLiteral("Cannot read \"%1\": the file does not exist.").arg(path);
        return std::nullopt;
    }
    CompareSide side;
    side.label = path;
    if (looksLikeStore(ini)) {
        const StoreResult loaded = LoadStore(path, side.data);
        if (!loaded) {
            error = loaded.error;
            return std::nullopt;
        }
        return side;
    }
    if (hasSection(ini, ProgramSectionName(1, false), "Duration")) {
        const ImportResult imported = ReadProgramFile(1, path, side.data);
        if (!imported) {
            error = QStringLiteral("\"%1\": %2").arg(path, imported.message);
            return std::nullopt;
        }
        side.programFile = true;
        return side;
    }
    error = QStringLiteral("\"%1\" is neither a store, a backup nor a program file.").arg(path);
    return std::nullopt;
}

CompareOutcome CompareSides(const CompareSide &left, const CompareSide &right, int program)
{
    CompareOutcome outcome;
    if (program != 0 && !ProgramTable::isValidNumber(program)) {
        outcome.error = noSuchProgramMessage(program);
        return outcome;
    }
    if (left.programFile && right.programFile) {
        outcome.differences = CompareProgram(QStringLiteral("Program"), 0, left.data.programs[1], right.data.programs[1]);
        return outcome;
    }
    if (left.programFile || right.programFile) {
        if (program == 0) {
            outcome.error = QStringLiteral("A program file holds one program without a number: say which program to "
                                           "compare it with.");
            return outcome;
        }
        const ProgramRecord &a = left.programFile ? left.data.programs[1] : left.data.programs[program];
        const ProgramRecord &b = right.programFile ? right.data.programs[1] : right.data.programs[program];
        outcome.differences = CompareProgram(ProgramNumberLabel(program), program, a, b);
        return outcome;
    }
    StorePart part;
    if (program != 0)
        part = {program, program, false};
    outcome.differences = CompareData(left.data, right.data, part);
    return outcome;
}
