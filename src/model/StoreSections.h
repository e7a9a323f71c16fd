#pragma once

#include "IniFile.h"
#include "InstrumentData.h"

#include <QByteArray>
#include <QString>

namespace corvex {

// Whole stores and parts of them, in the layout of CORVEX.ini: the section
// "Reagents" (R001..R200) and "Program01".."Program99".

// Which part of the data: programs first..last, and the reagents or not.
struct StorePart
{
    int firstProgram = 1;
    int lastProgram = programCount;
    bool reagents = true;

    bool hasPrograms() const { return firstProgram <= lastProgram; }
    // "Program01-99 and reagents", "Program05", "reagents" ...
    QString description() const;
};

// Writes the sections of the part into the file, each after the ones it has.
void writeStoreSections(IniFile &ini, const InstrumentData &data, const StorePart &part = {});

// The sections of the part as a fresh store file would hold them.
QByteArray storeSectionsText(const InstrumentData &data, const StorePart &part = {});

// First 12 hexadecimal digits (lower case) of the SHA-256 of the text.
QString contentFingerprint(const QByteArray &text);

// The fingerprint of what a transfer of one reagent moves: its key alone in
// the section "Reagents".
QString reagentFingerprint(const InstrumentData &data, int reagent);

// The fingerprint of what a transfer of the part moves.
QString partFingerprint(const InstrumentData &data, const StorePart &part);

} // namespace corvex
