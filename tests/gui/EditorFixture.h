#pragma once

#include "model/InstrumentData.h"

#include <QByteArray>

// Stored 13-character form of a name.
inline QByteArray Stored(const QByteArray &name)
{
    return (name + QByteArray(13, ' ')).left(13);
}

// Reagents "Reagent 001".."Reagent 200" (reagent 1 is "Empty"), and three
// programs to work on: 3 (EM, every vial 0 h n min), 7 (LM) and 8 (empty).
inline InstrumentData SampleData()
{
    InstrumentData data;
    data.reagents[1] = Stored("Empty");
    for (int r = 2; r <= 200; ++r)
        data.reagents[r] = Stored("Reagent " + QByteArray::number(r).rightJustified(3, '0'));
    for (int p = 1; p <= 99; ++p)
        data.programs[p] = ProgramRecord::Empty();

    ProgramRecord &three = data.programs[3];
    three.Name = Stored("Routine");
    three.Type = 1;
    for (int v = 1; v <= 24; ++v)
        three.vial(v) = VialStep{v + 1, v % 6, v % 2, 0, v, v % 3 == 0 ? 37 : 0};
    three.Duration = 300; // 1 + 2 + ... + 24

    ProgramRecord &seven = data.programs[7];
    seven.Name = Stored("Biopsy");
    seven.Type = 0;
    for (int v = 1; v <= 24; ++v)
        seven.vial(v) = VialStep{10 + v, 1, 0, 1, 0, 0};
    seven.Duration = 12 * 60;
    return data;
}

// SampleData as the store holds it: what the start-up load gives back.
inline InstrumentData SampleStore()
{
    return SampleData();
}
