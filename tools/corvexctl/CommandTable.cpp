#include "CommandTable.h"

#include "DeviceCommands.h"
#include "OfflineCommands.h"
#include "PrintCommands.h"

#include <array>

namespace {

// One line per group of commands.
constexpr std::array CommandGroups = {
    &OfflineCommands,
    &DeviceCommands,
    &PrintCommands,
};

} // namespace

QList<Command> AllCommands()
{
    QList<Command> commands;
    for (const auto group : CommandGroups)
        commands += group();
    return commands;
}
