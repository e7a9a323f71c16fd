#pragma once

#include "Command.h"

namespace corvex {

// diff A B: what differs between two of the instrument, a store, a backup
// and a program file. Exit 0 when equal, 1 when they differ, 2 when the
// command line is wrong or a side cannot be read.
QList<Command> compareCommands();

} // namespace corvex
