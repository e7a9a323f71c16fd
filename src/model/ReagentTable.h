#pragma once

#include "Limits.h"

#include <QByteArray>

#include <array>

namespace corvex {

// The instrument's 200 reagent names, numbered 1..200. Each name is held as
// Windows-1252 bytes in the 13-character storage form (see nameForStorage).
class ReagentTable
{
public:
    ReagentTable() { m_names.fill(QByteArray(nameLength, ' ')); }

    QByteArray &operator[](int number)
    {
        Q_ASSERT(isValidNumber(number));
        return m_names[static_cast<size_t>(number - 1)];
    }
    const QByteArray &operator[](int number) const
    {
        Q_ASSERT(isValidNumber(number));
        return m_names[static_cast<size_t>(number - 1)];
    }

    static constexpr bool isValidNumber(int number) { return number >= 1 && number <= reagentCount; }

    bool operator==(const ReagentTable &) const = default;

private:
    std::array<QByteArray, reagentCount> m_names;
};

} // namespace corvex
