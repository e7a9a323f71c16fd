#pragma once

#include "Command.h"

// print-programs and print-reagents: program sheets and the reagent list of
// the store, into a PDF file or on the default printer.
QList<Command> PrintCommands();
