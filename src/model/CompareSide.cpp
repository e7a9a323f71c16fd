#include "CompareSide.h"

#include "IniFile.h"
#include "ListTexts.h"
#include "LocalStore.h"
#include "ModelText.h"
#include "ProgramFile.h"
#include "ProgramSection.h"

namespace corvex {

namespace {

bool hasSection(IniFile &ini, const QByteArray &section, QByteArrayView key)
{
    ini.setSectionName(section);
    QByteArray value;
    return ini.readString(key, value) == IniFile::Result::Ok;
}

bool looksLikeStore(IniFile &ini)
{
    if (hasSection(ini, "Reagents", "R001"))
        return true;
    for (int p = 1; p <= programCount; ++p) {
        if (hasSection(ini, programSectionName(p, true), "Name"))
            return true;
    }
    return false;
}

} // namespace

std::optional<CompareSide> loadCompareSide(const QString &path, QString &error)
{
    IniFile ini;
    ini.setFileName(path);
    if (!ini.fileOk()) {
        error = ini.readError();
        if (error.isEmpty())
            error = ModelText::tr("Cannot read \"%1\": the file does not exist.").arg(path);
        return std::nullopt;
    }
    CompareSide side;
    side.label = path;
    if (looksLikeStore(ini)) {
        const StoreResult loaded = loadStore(path, side.data);
        if (!loaded) {
            error = loaded.error;
            return std::nullopt;
        }
        return side;
    }
    if (hasSection(ini, programSectionName(1, false), "Duration")) {
        const ImportResult imported = readProgramFile(1, path, side.data);
        if (!imported) {
            error = QStringLiteral("\"%1\": %2").arg(path, imported.message);
            return std::nullopt;
        }
        side.programFile = true;
        return side;
    }
    error = ModelText::tr("\"%1\" is neither a store, a backup nor a program file.").arg(path);
    return std::nullopt;
}

CompareOutcome compareSides(const CompareSide &left, const CompareSide &right, int program)
{
    CompareOutcome outcome;
    if (program != 0 && !ProgramTable::isValidNumber(program)) {
        outcome.error = noSuchProgramMessage(program);
        return outcome;
    }
    if (left.programFile && right.programFile) {
        outcome.differences = compareProgram(QStringLiteral("Program"), 0, left.data.programs[1], right.data.programs[1]);
        return outcome;
    }
    if (left.programFile || right.programFile) {
        if (program == 0) {
            outcome.error = ModelText::tr("A program file holds one program without a number: say which program to "
                                          "compare it with.");
            return outcome;
        }
        const ProgramRecord &a = left.programFile ? left.data.programs[1] : left.data.programs[program];
        const ProgramRecord &b = right.programFile ? right.data.programs[1] : right.data.programs[program];
        outcome.differences = compareProgram(programNumberLabel(program), program, a, b);
        return outcome;
    }
    StorePart part;
    if (program != 0)
        part = {program, program, false};
    outcome.differences = compareData(left.data, right.data, part);
    return outcome;
}

} // namespace corvex
