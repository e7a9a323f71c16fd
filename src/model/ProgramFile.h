#pragma once

#include "InstrumentData.h"
#include "StoreResult.h"

#include <QString>

namespace corvex {

// A program file holds one program in the section "Program", with the keys of
// a store section (see writeProgramSection).

struct ImportResult
{
    enum class Status { Imported, NotAProgramFile, Unreadable };
    Status status = Status::Imported;
    // Empty when imported; "This is not a valid Program File." and the first
    // key that is missing, unreadable or holds a value the instrument cannot
    // hold when the file is not a program file; why the file could not be read
    // when unreadable.
    QString message;

    explicit operator bool() const { return status == Status::Imported; }
};

// Reads the section "Program" of `file` into program `number`. All or
// nothing: on any failure the program keeps its previous content entirely.
ImportResult readProgramFile(int number, const QString &file, InstrumentData &data);

// Replaces `file` (atomically) by a file that holds only the section
// "Program" with program `number`. The store in use (`storeInUse`, under
// whatever name or link) is never written over.
StoreResult exportProgram(int number, const QString &file, const InstrumentData &data, const QString &storeInUse = {});

// True when both names lead to one existing file (also through links).
bool isSameFile(const QString &a, const QString &b);

// True when the file can be opened for reading.
bool fileExists(const QString &file);

} // namespace corvex
