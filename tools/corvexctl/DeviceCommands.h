#pragma once

#include "Command.h"

namespace corvex {

// Commands that talk to the instrument over the serial line.
QList<Command> deviceCommands();

} // namespace corvex
