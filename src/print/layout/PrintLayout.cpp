#include "PrintLayout.h"

#include "NumberText.h"
#include "RecordingSurface.h"
#include "SheetGeometry.h"
#include "Sheets.h"

namespace corvex {

std::pair<int, int> printRange(const PrintRequest &request)
{
    const int first = clampNumber(request.firstProgram, 1, programCount);
    const int last = clampNumber(request.lastProgram, first, programCount);
    return {first, last};
}

QString printJobTitle(const PrintRequest &request)
{
    if (request.content == PrintRequest::Content::ReagentList)
        return QStringLiteral("Corvex reagent list");
    const auto [first, last] = printRange(request);
    if (first == last)
        return QStringLiteral("Corvex program ") + zeroPadded(first, 2);
    return QStringLiteral("Corvex programs %1\u2013%2").arg(zeroPadded(first, 2), zeroPadded(last, 2));
}

namespace {

bool printSheets(SheetWriter &writer, const InstrumentData &data, const PrintRequest &request)
{
    if (request.content == PrintRequest::Content::ReagentList)
        return printReagentListSheet(writer, data.reagents);
    const auto [first, last] = printRange(request);
    for (int p = first; p <= last; ++p) {
        if (p != first && !writer.newPage())
            return false;
        if (!printProgramSheet(writer, p, data))
            return false;
    }
    return true;
}

PrintResult compose(const InstrumentData &data, const PrintRequest &request, PrintSurface &surface)
{
    SheetWriter writer(surface, request);
    writer.resetFont();
    if (writer.setDrawingMode(Sheet::drawingMode) && printSheets(writer, data, request))
        writer.endJob();
    if (writer.failed())
        surface.discardJob();
    return writer.result();
}

} // namespace

PrintResult runPrintLayout(const InstrumentData &data, const PrintRequest &request, PrintSurface &surface)
{
    // A job whose sheets cannot be completed (a reagent number outside the
    // list, a logo that cannot be scaled) is found on a recording first and
    // never started: the print service prints whatever part of a job reaches
    // it, as it cannot take a started job back.
    RecordingSurface rehearsal;
    const PrintResult rehearsed = compose(data, request, rehearsal);
    if (!rehearsed)
        return rehearsed;
    return compose(data, request, surface);
}

} // namespace corvex
