#include "ProgramRecord.h"

VialStep &ProgramRecord::vial(int number)
{
    Q_ASSERT(number >= 1 && number <= VialCount);
    return Vials[static_cast<size_t>(number - 1)];
}

const VialStep &ProgramRecord::vial(int number) const
{
    Q_ASSERT(number >= 1 && number <= VialCount);
    return Vials[static_cast<size_t>(number - 1)];
}

ProgramRecord ProgramRecord::Empty()
{
    ProgramRecord record;
    record.Type = TypeEM;
    record.Vials.fill(VialStep::Blank());
    return record;
}
