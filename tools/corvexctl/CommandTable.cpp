#include "CommandTable.h"

#include "CompareCommands.h"
#include "DeviceCommands.h"
#include "LogCommands.h"
#include "OfflineCommands.h"
#include "PrintCommands.h"
#include "WholeInstrumentCommands.h"

#include <array>

namespace corvex {

namespace {

// One line per group of commands.
constexpr std::array commandGroups = {
    &offlineCommands,
    &deviceCommands,
    &printCommands,
    &wholeInstrumentCommands,
    &compareCommands,
    &logCommands,
};

} // namespace

QList<Command> allCommands()
{
    QList<Command> commands;
    for (const auto group : commandGroups)
        commands += group();
    return commands;
}

} // namespace corvex
