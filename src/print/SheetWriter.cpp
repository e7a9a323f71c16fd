#include "print/SheetWriter.h"

#include "print/LogoFit.h"
#include "print/SheetGeometry.h"

bool SheetWriter::fail(PrintResult::Failure failure, const QString &detail)
{
    if (!failed())
        m_result = PrintResult::Failed(failure, detail);
    return false;
}

bool SheetWriter::check(bool done, const char *what)
{
    if (!done)
        fail(PrintResult::Failure::PrinterFailed, QStringLiteral("the printer failed to %1").arg(QLatin1String(what)));
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

bool SheetWriter::horizontalRules(std::initializer_list<int> ys)
{
    for (int y : ys) {
        if (failed() || !check(m_surface.drawLine(QLineF(0, y, Sheet::RuleRight, y), Qt::black), "draw a line"))
            return false;
    }
    return true;
}

bool SheetWriter::verticalRules(std::initializer_list<int> xs)
{
    for (int x : xs) {
        const QLineF line(x, Sheet::TableTop, x, Sheet::TableBottom);
        if (failed() || !check(m_surface.drawLine(line, Qt::black), "draw a line"))
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
    const std::optional<QRectF> target = LogoRectangle(m_request.logoPicture.size());
    if (!target)
        return fail(PrintResult::Failure::LogoNotScalable, QStringLiteral("the logo picture is empty and cannot be scaled"));
    return check(m_surface.drawPicture(*target, m_request.logoPicture), "draw the logo");
}

void SheetWriter::footer()
{
    if (m_request.date)
        printAt(Sheet::FooterDateX, Sheet::FooterY, m_request.dateText);
    if (m_request.time)
        printAt(Sheet::FooterTimeX, Sheet::FooterY, m_request.timeText);
}

bool SheetWriter::footerRule()
{
    if (!m_request.date && !m_request.time)
        return !failed();
    return horizontalRules({Sheet::FooterRuleY});
}
