#pragma once

#include "model/ProgramTable.h"
#include "model/ReagentTable.h"

// The one in-memory copy of the instrument's data that every part of the
// utility reads and edits. The application owns a single instance for the
// whole run; tests make their own.
struct InstrumentData
{
    ProgramTable programs;
    ReagentTable reagents;
};
