#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace corvex {

// The numeric value at the start of a typed text: blanks anywhere are
// skipped, an optional sign, digits, a decimal point and an exponent are
// taken, and reading stops at the first character that cannot continue the
// number. An empty or non-numeric text gives 0.
double leadingNumberValue(const QString &text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// limited to the 32-bit range.
qint32 roundHalfEven(double value);

// The leading number of the text, rounded half to even, then raised to lo
// and lowered to hi. Out-of-range input is clamped silently.
qint32 clampNumber(const QString &text, qint32 lo, qint32 hi);

// The leading number of the text rounded half to even, without limits other
// than the 32-bit range (the hours field).
qint32 wholeNumberValue(const QString &text);

// `value` in decimal with zeros put after any minus sign until the text is
// `width` characters long; a longer number keeps all its digits:
// zeroPadded(7, 2) = "07", zeroPadded(-7, 3) = "-07", zeroPadded(125, 2) = "125".
QString zeroPadded(qint64 value, int width);

// A stored decimal value such as an INI value: the whole text, blanks around
// it allowed, must be a decimal number (sign, digits, fraction, exponent).
// It is rounded half to even and must fit 32 bits; anything else is nullopt.
std::optional<qint32> parseWholeNumber(const QByteArray &text);

} // namespace corvex
