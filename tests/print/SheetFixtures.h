#pragma once

#include "InstrumentData.h"
#include "NameForms.h"
#include "RecordingSurface.h"

namespace corvex {

// Small data sets for print tests: a reagent list with names 1..50 and a few
// programs that use them.
inline InstrumentData sampleData()
{
    InstrumentData data;
    for (int n = 1; n <= 50; ++n)
        data.reagents[n] = nameForStorage("Reagent-" + QByteArray::number(n));
    data.reagents[1] = nameForStorage("Empty");
    data.reagents[2] = nameForStorage("Formalin 10%");
    data.reagents[3] = nameForStorage("Ethanol 70%");
    data.reagents[4] = nameForStorage("Xylol \xE4"); // Windows-1252 a-umlaut
    for (int p = 1; p <= programCount; ++p)
        data.programs[p] = ProgramRecord::empty();
    return data;
}

inline ProgramRecord sampleProgram(const QByteArray &name, int type)
{
    ProgramRecord program = ProgramRecord::empty();
    program.name = nameForStorage(name);
    program.type = type;
    for (int v = 1; v <= vialCount; ++v)
        program.vial(v) = VialStep{2 + v % 3, v % 6, v % 2, 1, 30, 37};
    program.duration = 125;
    return program;
}

// A font state in short: the two-digit size, then "b" bold, "u" title
// emphasis, "g" grey.
inline PrintTextStyle styleOf(const QString &code)
{
    PrintTextStyle style;
    style.points = code.left(2).toInt();
    style.bold = code.contains(QLatin1Char('b'));
    style.titleEmphasis = code.contains(QLatin1Char('u'));
    style.colour = code.contains(QLatin1Char('g')) ? QColor(100, 100, 100) : QColor(Qt::black);
    return style;
}

} // namespace corvex
