#pragma once

#include "InstrumentData.h"

#include <QString>
class QWidget;

namespace corvex {

class ProgramEditor;
class TransferLog;

// "Import Program...": reads a program file into the current program after a
// confirmation that warns about the reagent list; memory only. Logged to `log`.
void importProgram(QWidget *parent, InstrumentData &data, ProgramEditor &editor, TransferLog &log);

// "Export Program...": writes the current program to a program file and
// confirms it, or says why it could not (the store is never written over).
// An exported program's edits count as kept. Logged to `log`.
void exportProgram(QWidget *parent, const InstrumentData &data, ProgramEditor &editor, const QString &storePath,
                   TransferLog &log);

} // namespace corvex
