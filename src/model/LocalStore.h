#pragma once

#include "InstrumentData.h"
#include "StoreResult.h"

#include <QString>

namespace corvex {

// The local store CORVEX.ini: the last copy of the instrument's data that was
// transferred, with the section "Reagents" (keys R001..R200) and one section
// per program, "Program01".."Program99", laid out by writeProgramSection.

// "CORVEX.ini" beside the executable when that folder is writable, otherwise
// in the per-user application data folder (~/.local/share/CORVEX); see
// chooseStorePath for the first start of such an installation.
QString defaultStorePath();

// Fills both tables from the store. A missing file gives blank data (200
// blank reagent names, 99 empty programs). Damaged values never stop the
// load: a program with a name but a missing or non-numeric number loads 0 for
// that field. The result is not ok only when an existing file cannot be read;
// the tables then hold blank data as well.
StoreResult loadStore(const QString &storePath, InstrumentData &data);

// Number 1..99 rewrites that program's section; 0 rewrites the section
// "Reagents". Every other section, key, comment and the line-end style stay.
// The file is replaced atomically, once per call.
StoreResult saveToStore(int number, const QString &storePath, const InstrumentData &data);

// Writes program `number` into `file`: into "Program" + two digits when
// `numbered` (the store), into "Program" otherwise (program files).
StoreResult writeProgramSection(int number, const QString &file, bool numbered, const InstrumentData &data);

} // namespace corvex
