#pragma once

#include "IniFile.h"
#include "ProgramRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace corvex {

// The keys of one program in an INI section, shared by the store and by
// program files: "Name", "Duration", "Type", then V01Reagent, V01Agit,
// V01Pause, V01Hrs, V01Min, V01Temp and so on to V24Temp.

// "Program07" when numbered (the store), "Program" otherwise (program files).
QByteArray programSectionName(int number, bool numbered);

// "R007".
QByteArray reagentKey(int number);

// A 13-character name as it is written as a value: as it is, unless reading
// would give back something else (leading blanks, matching outer quotes, a
// trailing tab), then inside double quotes, which reading removes again. A
// NUL byte ends the name, as it ends any value in the file.
QByteArray nameValue(const QByteArray &storedName);

// Writes all 147 keys of the program into the file's current section.
void writeProgramKeys(IniFile &ini, const ProgramRecord &program);

// Reads Duration, Type and the vial numbers of the current section into the
// program. A missing or non-numeric number becomes 0; a missing Type is EM.
// Name is left to the caller.
void readProgramNumbers(IniFile &ini, ProgramRecord &program);

// A key of a file that is missing, unreadable or holds a value the
// instrument cannot hold.
struct KeyProblem
{
    QByteArray section;
    QByteArray key;   // empty when the whole section is missing
    QByteArray value; // as the file holds it
    QString reason;   // "is missing", "is not a number", "must be 0 to 59"
};

// The reason of a key or section that is not there.
QString missingReason();

// "[Program07] V01Min=99: must be 0 to 59", "[Reagents] is missing".
QString problemText(const KeyProblem &problem);

// Reads Duration, Type and the vial numbers of the current section like
// readProgramNumbers, and adds a problem for every key that is missing, and
// (when `values`) for every value that is not a number the instrument holds
// or, for Type, not LM or EM.
void readCheckedProgramNumbers(IniFile &ini, ProgramRecord &program, bool values, QList<KeyProblem> &problems);

} // namespace corvex
