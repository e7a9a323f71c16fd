#pragma once

#include "print/PrintRequest.h"
#include "print/PrintResult.h"
#include "print/PrintSurface.h"

#include <QString>

#include <initializer_list>

// Writes the parts of a sheet to a surface, keeping the printer's font state
// between texts the way a printer does, and remembering the first failure.
// Once failed, every further call does nothing and returns false.
class SheetWriter
{
public:
    SheetWriter(PrintSurface &surface, const PrintRequest &request) : m_surface(surface), m_request(request) {}

    const PrintRequest &request() const { return m_request; }
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

    // The logo in its square, when the request asks for it.
    bool logo();
    // Date and time at the foot of the sheet, when ticked, in the current font.
    void footer();
    // The rule under the footer exists only when a footer text is printed.
    bool footerRule();

private:
    bool check(bool done, const char *what);

    PrintSurface &m_surface;
    const PrintRequest &m_request;
    PrintTextStyle m_style;
    PrintResult m_result;
};
