#pragma once

#include "Command.h"

// backup FILE and restore FILE: the whole instrument at once.
QList<Command> WholeInstrumentCommands();
