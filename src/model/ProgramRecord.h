#pragma once

#include "model/Limits.h"
#include "model/VialStep.h"

#include <QByteArray>

#include <array>

// One program slot. Name holds Windows-1252 bytes in the 13-character storage
// form (see nameForStorage); Duration is stored as it comes and only recomputed by
// the editors.
struct ProgramRecord
{
    QByteArray Name = QByteArray(NameLength, ' ');
    qint32 Duration = 0;
    qint32 Type = 0; // TypeLM or TypeEM; any other value counts as EM
    std::array<VialStep, VialCount> Vials{};

    // Vials are numbered 1..24.
    VialStep &vial(int number);
    const VialStep &vial(int number) const;

    bool isLM() const { return Type == TypeLM; }
    // Vials 1..12 for LM, 1..24 for EM.
    int usedVialCount() const { return isLM() ? LmVialCount : VialCount; }

    // A blank name, EM, Duration 0 and every vial blank.
    static ProgramRecord Empty();

    bool operator==(const ProgramRecord &) const = default;
};
