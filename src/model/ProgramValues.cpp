#include "ProgramValues.h"

#include "ModelText.h"

#include <array>

namespace corvex {

namespace {

struct FieldRange
{
    const char *field;
    ValueRange range;
};

// Temp has 0 for off besides its range.
constexpr std::array<FieldRange, 8> fieldRanges = {{
    {"Duration", durationRange},
    {"Type", typeRange},
    {"Reagent", reagentRange},
    {"Agit", agitationRange},
    {"Pause", pauseRange},
    {"Hrs", hoursRange},
    {"Min", minutesRange},
    {"Temp", temperatureRange},
}};

std::optional<ValueRange> rangeOf(QByteArrayView field)
{
    for (const FieldRange &entry : fieldRanges) {
        if (field == QByteArrayView(entry.field))
            return entry.range;
    }
    return std::nullopt;
}

} // namespace

bool holdsValue(QByteArrayView field, qint64 value)
{
    if (field == QByteArrayView("Temp") && value == heaterOff)
        return true;
    const std::optional<ValueRange> range = rangeOf(field);
    return range && range->contains(value);
}

QString allowedValues(QByteArrayView field)
{
    const ValueRange range = rangeOf(field).value_or(ValueRange{});
    if (field == QByteArrayView("Type"))
        return ModelText::tr("LM or EM");
    if (field == QByteArrayView("Duration"))
        return ModelText::tr("%1 or more").arg(range.lowest);
    const QString span = ModelText::tr("%1 to %2").arg(range.lowest).arg(range.highest);
    return field == QByteArrayView("Temp") ? ModelText::tr("%1 (off) or %2").arg(heaterOff).arg(span) : span;
}

std::optional<ValueProblem> findValueProblem(const ProgramRecord &program, int vials)
{
    if (!holdsValue("Duration", program.duration))
        return ValueProblem{0, QByteArrayLiteral("Duration"), program.duration};
    if (!holdsValue("Type", program.type))
        return ValueProblem{0, QByteArrayLiteral("Type"), program.type};
    for (int v = 1; v <= vials; ++v) {
        const VialStep &vial = program.vial(v);
        const std::pair<const char *, qint32> fields[] = {{"Reagent", vial.reagent}, {"Agit", vial.agit},
                                                          {"Pause", vial.pause},     {"Hrs", vial.hrs},
                                                          {"Min", vial.min},         {"Temp", vial.temp}};
        for (const auto &[field, value] : fields) {
            if (!holdsValue(field, value))
                return ValueProblem{v, QByteArray(field), value};
        }
    }
    return std::nullopt;
}

} // namespace corvex
