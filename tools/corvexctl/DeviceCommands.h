#pragma once

#include "Command.h"

// Commands that talk to the instrument over the serial line.
QList<Command> DeviceCommands();
