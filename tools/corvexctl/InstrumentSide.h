#pragma once

#include "Command.h"

#include "CompareSide.h"

#include <optional>

namespace corvex {

// The instrument as one side of a comparison: connected as the options say
// and read whole, as a backup reads it. Prints why when it cannot be read.
std::optional<CompareSide> readInstrumentSide(CommandContext &context);

} // namespace corvex
