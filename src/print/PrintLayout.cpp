#include "print/PrintLayout.h"

#include "model/NumberText.h"
#include "print/SheetGeometry.h"
#include "print/Sheets.h"

std::pair<int, int> PrintRange(const PrintRequest &request)
{
    const int first = ClampNumber(request.firstProgram, 1, ProgramCount);
    const int last = ClampNumber(request.lastProgram, first, ProgramCount);
    return {first, last};
}

namespace {

bool printSheets(SheetWriter &writer, const InstrumentData &data, const PrintRequest &request)
{
    if (request.content == PrintRequest::Content::ReagentList)
        return PrintReagentListSheet(writer, data.reagents);
    const auto [first, last] = PrintRange(request);
    for (int p = first; p <= last; ++p) {
        if (p != first && !writer.newPage())
            return false;
        if (!PrintProgramSheet(writer, p, data))
            return false;
    }
    return true;
}

} // namespace

PrintResult RunPrintLayout(const InstrumentData &data, const PrintRequest &request, PrintSurface &surface)
{
    SheetWriter writer(surface, request);
    writer.resetFont();
    if (writer.setDrawingMode(Sheet::DrawingMode) && printSheets(writer, data, request))
        writer.endJob();
    if (writer.failed())
        surface.discardJob();
    return writer.result();
}
