#pragma once

#include "Command.h"

namespace corvex {

// Commands on the local store and program files; they need no instrument.
QList<Command> offlineCommands();

} // namespace corvex
