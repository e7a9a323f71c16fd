#pragma once

#include "ReagentTable.h"
#include "VialStep.h"

#include <QString>
#include <QStringList>

namespace corvex {

// The utility's name, the title of its main window and its message boxes.
QString utilityTitle();

// The refusal of a program number outside 1..99.
QString noSuchProgramMessage(int number);

// A program or reagent as the utility names it in its messages: "Program07",
// "Reagent 007".
QString programNumberLabel(int program);
QString reagentNumberLabel(int reagent);

// "AG0: off" .. "AG5: 3,00Hz"; the list index is the agitation code.
QStringList agitationTexts();

// Reagent list line: Reagent 007: "name         " (stored 13-character name).
QString reagentListLine(int number, const QByteArray &storedName);

// Reagent drop-down item: 007: name          (stored 13-character name).
QString reagentComboLine(int number, const QByteArray &storedName);

// "PAUSE" for 1, "CONT" for any other value.
QString pauseText(qint32 pause);

// "37°C", "04°C", or "--°C" when the heater/cooler is off (0).
QString temperatureText(qint32 temp);

// The fixed-column line of one vial:
// Vial 01: <13-character reagent name> AG2 01:30 37°C CONT
// A reagent number outside 1..200 shows "(unknown)" in the name field.
QString vialLineText(int vialNumber, const VialStep &vial, const ReagentTable &reagents);

} // namespace corvex
