#pragma once

#include <QColor>
#include <QString>

namespace corvex {

// The printer's font state: every text of a sheet is printed with the state
// the run has set by then. The base state is Arial 10 pt, bold off, title
// emphasis off, black.
struct PrintTextStyle
{
    QString face = QStringLiteral("Arial");
    int points = 10;
    bool bold = false;
    bool titleEmphasis = false; // underline, used only for the 24-point titles
    QColor colour = Qt::black;

    bool operator==(const PrintTextStyle &) const = default;
};

} // namespace corvex
