#pragma once

#include <QString>

namespace corvex {

// "50%": the whole-number part of value / maximum * 100, followed by "%".
QString percentText(int value, int maximum);

// Shown while a memory command is tried again: "No answer from the Corvex,
// trying again (2 of 5)...".
QString retryingText(int attempt, int attempts);

} // namespace corvex
