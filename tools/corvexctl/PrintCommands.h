#pragma once

#include "Command.h"

namespace corvex {

// print-programs and print-reagents: program sheets and the reagent list of
// the store, into a PDF file or on a queue of the print service (the default
// printer unless --printer names one).
QList<Command> printCommands();

} // namespace corvex
