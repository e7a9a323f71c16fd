#include "Duration.h"

#include "NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace corvex {

qint32 calculateDuration(const ProgramRecord &program)
{
    qint64 total = 0;
    for (int v = 1; v <= program.usedVialCount(); ++v) {
        const VialStep &vial = program.vial(v);
        total += qint64(vial.hrs) * 60 + vial.min;
    }
    total = std::clamp<qint64>(total, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    return static_cast<qint32>(total);
}

void recalculateDuration(ProgramRecord &program)
{
    program.duration = calculateDuration(program);
}

QString durationCaption(qint32 minutes)
{
    // Integer division truncates toward zero, as the stored value may be negative.
    const qint32 hours = minutes / 60;
    const qint32 rest = minutes - 60 * hours;
    return QCoreApplication::translate("Duration", "Total Time: %1h %2min")
        .arg(zeroPadded(hours, 2))
        .arg(zeroPadded(rest, 2));
}

} // namespace corvex
