#include "CommandTable.h"

#include "CompareCommands.h"
#include "DeviceCommands.h"
#include "LogCommands.h"
#include "OfflineCommands.h"
#include "PrintCommands.h"
#include "WholeInstrumentCommands.h"

#include <array>

namespace {

// One line per group of commands.
constexpr std::array CommandGroups = {
    &OfflineCommands,
    &DeviceCommands,
    &PrintCommands,
    &WholeInstrumentCommands,
    &CompareCommands,
    &LogCommands,
};

} // namespace

QList<Command> AllCommands()
{
    QList<Command> commands;
    for (const auto group : CommandGroups)
        commands += group();
    return commands;
}
