#pragma once

#include "Command.h"

namespace corvex {

// backup FILE and restore FILE: the whole instrument at once.
QList<Command> wholeInstrumentCommands();

} // namespace corvex
