#pragma once

#include "IniFile.h"
#include "ProgramRecord.h"

#include <QByteArray>

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
// program. A missing or non-numeric number becomes 0 and makes the result
// false; a missing Type is EM. Name is left to the caller.
bool readProgramNumbers(IniFile &ini, ProgramRecord &program);

} // namespace corvex
