#include "RestoreSource.h"

#include "IniFile.h"
#include "ModelText.h"
#include "NameForms.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace corvex {

namespace {

constexpr int problemsShown = 5;

bool hasKey(IniFile &ini, const QByteArray &section, QByteArrayView key)
{
    ini.setSectionName(section);
    QByteArray value;
    return ini.readString(key, value) == IniFile::Result::Ok;
}

// The problems of a section: one for the whole section when it lacks all
// `keyCount` keys, one for all the keys it lacks (a file cut short), and
// each value that is wrong.
void addProblems(RestoreSource &source, const QByteArray &section, const QList<KeyProblem> &problems, int keyCount)
{
    QList<KeyProblem> missing, wrong;
    for (const KeyProblem &problem : problems)
        (problem.reason == missingReason() ? missing : wrong).append(problem);
    if (missing.size() == keyCount) {
        source.problems.append({section, {}, {}, missingReason()});
        return;
    }
    if (missing.size() > 1) {
        const QString reason =
            missingReason() + ModelText::tr(", and %1 more keys of the section").arg(missing.size() - 1);
        missing = {{section, missing.constFirst().key, {}, reason}};
    }
    source.problems += missing + wrong;
}

void readReagents(IniFile &ini, RestoreSource &source)
{
    const QByteArray section = QByteArrayLiteral("Reagents");
    ini.setSectionName(section);
    QList<KeyProblem> problems;
    for (int r = 1; r <= reagentCount; ++r) {
        QByteArray name;
        if (ini.readString(reagentKey(r), name) != IniFile::Result::Ok)
            problems.append({section, reagentKey(r), {}, missingReason()});
        source.data.reagents[r] = nameForStorage(name);
    }
    addProblems(source, section, problems, reagentCount);
}

void readProgram(IniFile &ini, int number, RestoreSource &source)
{
    const QByteArray section = programSectionName(number, true);
    ini.setSectionName(section);
    QList<KeyProblem> problems;
    QByteArray name;
    if (ini.readString("Name", name) != IniFile::Result::Ok)
        problems.append({section, QByteArrayLiteral("Name"), {}, missingReason()});
    // A blank name is restored as an empty program: its values do not matter.
    const bool blank = isBlankName(name);
    ProgramRecord program;
    readCheckedProgramNumbers(ini, program, !blank, problems);
    program.name = nameForStorage(name);
    source.data.programs[number] = blank ? ProgramRecord::empty() : program;
    addProblems(source, section, problems, 3 + 6 * vialCount);
}

bool sectionIsSent(const QByteArray &section, const StorePart &part)
{
    if (section.compare("Reagents", Qt::CaseInsensitive) == 0)
        return part.reagents;
    for (int p = part.firstProgram; p <= part.lastProgram; ++p) {
        if (section.compare(programSectionName(p, true), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Every line of a backup or a store ends with a line break. A file that ends
// inside a line may have lost the end of its last value, which would still
// read as a number ("V24Temp=4" of "V24Temp=45").
void checkLastLine(const QString &file, const StorePart &part, RestoreSource &source)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = in.readAll();
    if (bytes.isEmpty() || bytes.endsWith('\n') || bytes.endsWith('\r'))
        return;
    const QByteArray line = bytes.mid(bytes.lastIndexOf('\n') + 1);
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return;
    QByteArray section;
    for (qsizetype end = bytes.size() - line.size(); end > 0 && section.isEmpty();) {
        const qsizetype start = bytes.lastIndexOf('\n', end - 2) + 1;
        const QByteArray candidate = bytes.mid(start, end - start).trimmed();
        if (candidate.startsWith('[') && candidate.endsWith(']'))
            section = candidate.mid(1, candidate.size() - 2).trimmed();
        end = start;
    }
    if (sectionIsSent(section, part))
        source.problems.append({section, line.left(equals).trimmed(), line.mid(equals + 1).trimmed(),
                                ModelText::tr("is the last line and has no line break, so the file may have "
                                              "been cut short")});
}

} // namespace

QString RestoreSource::refusal(const QString &file) const
{
    if (!error.isEmpty())
        return error;
    QStringList lines;
    lines << ModelText::tr("\"%1\" is not a complete backup that the Corvex can hold, so it was not restored: "
                           "nothing was sent and the local store was not changed.")
                 .arg(file);
    for (qsizetype i = 0; i < problems.size() && i < problemsShown; ++i)
        lines << problemText(problems[i]);
    if (problems.size() > problemsShown)
        lines << ModelText::tr("... and %1 more.").arg(problems.size() - problemsShown);
    return lines.join(QLatin1Char('\n'));
}

RestoreSource readRestoreSource(const QString &file, const StorePart &part)
{
    RestoreSource source;
    for (int p = 1; p <= programCount; ++p)
        source.data.programs[p] = ProgramRecord::empty();
    IniFile ini;
    ini.setFileName(file);
    if (!ini.fileOk()) {
        source.error = ini.readError();
        if (source.error.isEmpty())
            source.error = ModelText::tr("Cannot read \"%1\": the file does not exist.").arg(file);
        return source;
    }
    if (hasKey(ini, programSectionName(1, false), "Duration")) {
        bool store = hasKey(ini, "Reagents", reagentKey(1));
        for (int p = 1; p <= programCount && !store; ++p)
            store = hasKey(ini, programSectionName(p, true), "Name");
        if (!store) {
            source.error = ModelText::tr("\"%1\" is a program file, not a backup; import it into a program instead. "
                                         "Nothing was sent.")
                               .arg(file);
            return source;
        }
    }
    if (part.reagents)
        readReagents(ini, source);
    for (int p = part.firstProgram; p <= part.lastProgram; ++p)
        readProgram(ini, p, source);
    checkLastLine(file, part, source);
    return source;
}

QString storeWriteProblem(const QString &storePath)
{
    if (const QString problem = writeTargetProblem(storePath); !problem.isEmpty())
        return problem;
    // A store that exists but cannot be read is never replaced.
    IniFile ini;
    ini.setFileName(storePath);
    return QFileInfo::exists(storePath) && !ini.fileOk() ? ini.readError() : QString();
}

} // namespace corvex
