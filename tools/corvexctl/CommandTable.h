#pragma once

#include "Command.h"

namespace corvex {

// Every group of commands of the tool, in the order --help lists them.
QList<Command> allCommands();

} // namespace corvex
