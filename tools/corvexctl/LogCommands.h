#pragma once

#include "Command.h"

// log: the transfer log, oldest line first.
QList<Command> LogCommands();
