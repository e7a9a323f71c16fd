#pragma once

#include "Command.h"

// Commands on the local store and program files; they need no instrument.
QList<Command> OfflineCommands();
