#pragma once

#include "PrintRequest.h"
#include "PrintResult.h"
#include "PrintSurface.h"

#include <QString>

#include <initializer_list>

namespace corvex {

// Writes the parts of a sheet to a surface, keeping the printer's font state
// between texts the way a printer does, and remembering the first failure.
// Once failed, every further call does nothing and returns false.
class SheetWriter
{
public:
    SheetWriter(PrintSurface &surface, const PrintRequest &request) : m_surface(surface), m_request(request) {}

    const PrintResult &result() const { return m_result; }
    bool failed() const { return !m_result.ok(); }
    bool fail(PrintResult::Failure failure, const QString &detail);

    void resetFont() { m_style = PrintTextStyle{}; }
    void setSize(int points) { m_style.points = points; }
    void setBold(bool on) { m_style.bold = on; }
    void setTitleEmphasis(bool on) { m_style.titleEmphasis = on; }
    void setColour(const QColor &colour) { m_style.colour = colour; }

    bool setDrawingMode(int mode);
    // Failures of a single text are ignored; the run goes on with the next item.
    void printAt(int x, int y, const QString &text);
    bool horizontalRules(std::initializer_list<int> ys);
    bool verticalRules(std::initializer_list<int> xs);
    bool newPage();
    bool endJob();

    // What every sheet begins with, in the base font: the logo when asked
    // for, the footer texts that are ticked, the rule under the footer
    // (only with a footer text), then the sheet's horizontal rules.
    bool beginSheet(std::initializer_list<int> ruleYs);
    // The comment line and the title, which end every sheet.
    bool commentAndTitle(int titleY, const QString &title);

private:
    bool logo();
    bool check(bool done, const char *what);
    bool drawRule(const QLineF &line);

    PrintSurface &m_surface;
    const PrintRequest &m_request;
    PrintTextStyle m_style;
    PrintResult m_result;
};

} // namespace corvex
