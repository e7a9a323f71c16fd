#include "Cp1252.h"
#include "NameForms.h"
#include "NumberText.h"
#include "SheetGeometry.h"
#include "Sheets.h"

namespace corvex {

namespace {

struct ListMode
{
    int columns;
    int rows;
    int points;
    int x0;
    int columnStep;
    int y0;
    int rowStep;
};

constexpr ListMode twoColumns{2, 25, 18, 1050, 4890, 3825, 420};
constexpr ListMode fourColumns{4, 50, 10, 900, 2445, 4050, 210};

// Only the first 50 names fit two columns; any name beyond them needs four.
bool fitsTwoColumns(const ReagentTable &reagents)
{
    for (int number = twoColumns.columns * twoColumns.rows + 1; number <= reagentCount; ++number) {
        if (!nameForDisplay(reagents[number]).isEmpty())
            return false;
    }
    return true;
}

} // namespace

bool printReagentListSheet(SheetWriter &writer, const ReagentTable &reagents)
{
    const bool inTwoColumns = fitsTwoColumns(reagents);
    const ListMode &mode = inTwoColumns ? twoColumns : fourColumns;

    if (!writer.beginSheet({14940, 4050, 4125}) || !writer.verticalRules({750, 5640, 10500}))
        return false;
    if (!inTwoColumns && !writer.verticalRules({3195, 8085}))
        return false;

    writer.setSize(mode.points);
    for (int c = 0; c < mode.columns; ++c) {
        for (int r = 1; r <= mode.rows; ++r) {
            const int number = mode.rows * c + r;
            writer.printAt(mode.x0 + mode.columnStep * c, mode.y0 + mode.rowStep * r,
                           zeroPadded(number, 3) + QStringLiteral(": ") + decodeCp1252(reagents[number]));
        }
    }

    return writer.commentAndTitle(Sheet::reagentTitleY, QStringLiteral("Reagent List"));
}

} // namespace corvex
