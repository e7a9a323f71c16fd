#pragma once

#include "ProgramTable.h"
#include "ReagentTable.h"

namespace corvex {

// The one in-memory copy of the instrument's data that every part of the
// utility reads and edits. The application owns a single instance for the
// whole run; tests make their own.
struct InstrumentData
{
    ProgramTable programs;
    ReagentTable reagents;
};

} // namespace corvex
