#pragma once

#include "Command.h"

namespace corvex {

// log: the transfer log, oldest line first.
QList<Command> logCommands();

} // namespace corvex
