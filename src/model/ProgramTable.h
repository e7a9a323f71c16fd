#pragma once

#include "ProgramRecord.h"

#include <array>

namespace corvex {

// The 99 program slots, numbered 1..99 as on the instrument.
class ProgramTable
{
public:
    ProgramRecord &operator[](int number)
    {
        Q_ASSERT(isValidNumber(number));
        return m_programs[static_cast<size_t>(number - 1)];
    }
    const ProgramRecord &operator[](int number) const
    {
        Q_ASSERT(isValidNumber(number));
        return m_programs[static_cast<size_t>(number - 1)];
    }

    static constexpr bool isValidNumber(int number) { return number >= 1 && number <= programCount; }

    bool operator==(const ProgramTable &) const = default;

private:
    std::array<ProgramRecord, programCount> m_programs{};
};

} // namespace corvex
