#pragma once

#include "InstrumentData.h"
#include "MemoryMap.h"
#include "NameForms.h"

namespace corvex {

// The instrument's 64 KiB memory holding `data` (blank slots all zero, as
// on a new instrument), for the simulator's --memory file.
inline QByteArray instrumentImage(const InstrumentData &data)
{
    QByteArray image(0x10000, '\0');
    for (int p = 1; p <= programCount; ++p) {
        if (nameForDisplay(data.programs[p].name).isEmpty())
            continue;
        for (const BlockByte &byte : encodeProgram(data.programs[p]))
            image[programAddress(p) + byte.offset] = static_cast<char>(byte.value);
    }
    for (int r = 1; r <= reagentCount; ++r)
        image.replace(reagentAddress(r), nameLength, data.reagents[r]);
    return image;
}

// Twelve used programs, eight EM and four LM (every third), spread over the
// slots, and 200 named reagents: a backup reads 99 names, the rest of the
// twelve programs and the reagents, 5,147 bytes.
inline InstrumentData twelveProgramData()
{
    InstrumentData data;
    for (int p = 1; p <= programCount; ++p)
        data.programs[p] = ProgramRecord::empty(); // as the store loads a free slot
    const int usedSlots[] = {1, 2, 3, 5, 8, 13, 21, 34, 55, 70, 89, 99};
    for (int i = 0; i < 12; ++i) {
        ProgramRecord &program = data.programs[usedSlots[i]];
        program.name = nameForStorage("Program " + QByteArray::number(usedSlots[i]));
        program.type = i % 3 == 2 ? typeLm : typeEm;
        program.duration = 60 * i + 7;
        for (int v = 1; v <= program.usedVialCount(); ++v)
            program.vial(v) = {1 + (v * 7 + i) % 200, v % 6, (v + i) % 2, v % 3, (v * 11 + i) % 60, v % 4 ? 0 : 37};
        for (int v = program.usedVialCount() + 1; v <= vialCount; ++v)
            program.vial(v) = VialStep::blank();
    }
    for (int r = 1; r <= reagentCount; ++r)
        data.reagents[r] = nameForStorage("Reagent " + QByteArray::number(r));
    return data;
}

} // namespace corvex
