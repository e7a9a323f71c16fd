#include "SheetWriter.h"

#include "LogoFit.h"
#include "SheetGeometry.h"

namespace corvex {

bool SheetWriter::fail(PrintResult::Failure failure, const QString &detail)
{
    if (!failed())
        m_result = PrintResult::failed(failure, detail);
    return false;
}

bool SheetWriter::check(bool done, const char *what)
{
    if (!done) {
        const QString known = m_surface.failureDetail();
        fail(PrintResult::Failure::PrinterFailed,
             known.isEmpty() ? QStringLiteral("the printer failed to %1").arg(QLatin1String(what)) : known);
    }
    return done;
}

bool SheetWriter::setDrawingMode(int mode)
{
    return !failed() && check(m_surface.setDrawingMode(mode), "start the job");
}

void SheetWriter::printAt(int x, int y, const QString &text)
{
    if (!failed())
        m_surface.printText(QPointF(x, y), text, m_style);
}

bool SheetWriter::drawRule(const QLineF &line)
{
    return !failed() && check(m_surface.drawLine(line, Qt::black), "draw a line");
}

bool SheetWriter::horizontalRules(std::initializer_list<int> ys)
{
    for (int y : ys) {
        if (!drawRule(QLineF(0, y, Sheet::ruleRight, y)))
            return false;
    }
    return true;
}

bool SheetWriter::verticalRules(std::initializer_list<int> xs)
{
    for (int x : xs) {
        if (!drawRule(QLineF(x, Sheet::tableTop, x, Sheet::tableBottom)))
            return false;
    }
    return true;
}

bool SheetWriter::newPage()
{
    return !failed() && check(m_surface.newPage(), "start a new page");
}

bool SheetWriter::endJob()
{
    return !failed() && check(m_surface.endJob(), "end the job");
}

bool SheetWriter::logo()
{
    if (failed())
        return false;
    if (!m_request.logo)
        return true;
    const std::optional<QRectF> target = logoRectangle(m_request.logoPicture.size());
    if (!target)
        return fail(PrintResult::Failure::LogoNotScalable, QStringLiteral("the logo picture is empty and cannot be scaled"));
    return check(m_surface.drawPicture(*target, m_request.logoPicture), "draw the logo");
}

bool SheetWriter::beginSheet(std::initializer_list<int> ruleYs)
{
    resetFont();
    if (!logo())
        return false;
    if (m_request.date)
        printAt(Sheet::footerDateX, Sheet::footerY, m_request.dateText);
    if (m_request.time)
        printAt(Sheet::footerTimeX, Sheet::footerY, m_request.timeText);
    if ((m_request.date || m_request.time) && !horizontalRules({Sheet::footerRuleY}))
        return false;
    return horizontalRules(ruleYs);
}

bool SheetWriter::commentAndTitle(int titleY, const QString &title)
{
    setSize(Sheet::commentPoints);
    setBold(true);
    printAt(Sheet::commentX, Sheet::commentY, m_request.comment);
    setSize(Sheet::titlePoints);
    setTitleEmphasis(true);
    printAt(Sheet::titleX, titleY, title);
    return !failed();
}

} // namespace corvex
