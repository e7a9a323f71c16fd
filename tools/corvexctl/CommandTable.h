#pragma once

#include "Command.h"

// Every group of commands of the tool, in the order --help lists them.
QList<Command> AllCommands();
