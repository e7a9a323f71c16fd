#pragma once

#include "Limits.h"
#include "VialStep.h"

#include <QByteArray>

#include <array>

namespace corvex {

// One program slot. Name holds Windows-1252 bytes in the 13-character storage
// form (see nameForStorage); Duration is stored as it comes and only recomputed by
// the editors.
struct ProgramRecord
{
    QByteArray name = QByteArray(nameLength, ' ');
    qint32 duration = 0;
    qint32 type = 0; // typeLm or typeEm; any other value counts as EM
    std::array<VialStep, vialCount> vials{};

    // Vials are numbered 1..24.
    VialStep &vial(int number);
    const VialStep &vial(int number) const;

    bool isLM() const { return type == typeLm; }
    // Vials 1..12 for LM, 1..24 for EM.
    int usedVialCount() const { return isLM() ? lmVialCount : vialCount; }

    // A blank name, EM, Duration 0 and every vial blank.
    static ProgramRecord empty();

    bool operator==(const ProgramRecord &) const = default;
};

} // namespace corvex
