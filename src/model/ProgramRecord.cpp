#include "ProgramRecord.h"

namespace corvex {

VialStep &ProgramRecord::vial(int number)
{
    Q_ASSERT(number >= 1 && number <= vialCount);
    return vials[static_cast<size_t>(number - 1)];
}

const VialStep &ProgramRecord::vial(int number) const
{
    Q_ASSERT(number >= 1 && number <= vialCount);
    return vials[static_cast<size_t>(number - 1)];
}

ProgramRecord ProgramRecord::empty()
{
    ProgramRecord record;
    record.type = typeEm;
    record.vials.fill(VialStep::blank());
    return record;
}

} // namespace corvex
