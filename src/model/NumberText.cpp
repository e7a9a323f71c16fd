#include "NumberText.h"

#include <cmath>
#include <limits>

namespace corvex {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of `s` that forms a decimal number
// ([+-] digits [. digits] [e [+-] digits], at least one digit), or 0.
qsizetype numberPrefixLength(const QByteArray &s)
{
    qsizetype i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const qsizetype exponentStart = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j > exponentStart)
            i = j;
    }
    return i;
}

double toDouble(QByteArray number)
{
    for (char &c : number) {
        if (c == 'd' || c == 'D')
            c = 'e';
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // toDouble refuses values beyond the double range; only the sign matters then.
    return number.startsWith('-') ? -std::numeric_limits<double>::infinity()
                                  : std::numeric_limits<double>::infinity();
}

} // namespace

double leadingNumberValue(const QString &text)
{
    QByteArray compact;
    compact.reserve(text.size());
    for (QChar character : text) {
        const char16_t unicode = character.unicode();
        if (unicode >= 0x80)
            break;
        const char c = static_cast<char>(unicode);
        if (!isBlank(c))
            compact.append(c);
    }
    const qsizetype length = numberPrefixLength(compact);
    return length == 0 ? 0.0 : toDouble(compact.left(length));
}

qint32 roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // the default mode rounds ties to even
    if (rounded >= static_cast<double>(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(rounded);
}

qint32 clampNumber(const QString &text, qint32 lo, qint32 hi)
{
    const qint32 value = roundHalfEven(leadingNumberValue(text));
    if (value < lo)
        return lo;
    if (value > hi)
        return hi;
    return value;
}

qint32 wholeNumberValue(const QString &text)
{
    return roundHalfEven(leadingNumberValue(text));
}

std::optional<qint32> parseWholeNumber(const QByteArray &text)
{
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty() || numberPrefixLength(trimmed) != trimmed.size())
        return std::nullopt;
    const double rounded = std::nearbyint(toDouble(trimmed));
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

QString zeroPadded(qint64 value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace corvex
