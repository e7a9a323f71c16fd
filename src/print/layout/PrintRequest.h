#pragma once

#include <QImage>
#include <QString>

namespace corvex {

// Everything a print run takes from the print dialog (or the command line) at
// the moment it starts.
struct PrintRequest
{
    enum class Content { ReagentList, Programs };

    Content content = Content::Programs;
    // The range as typed; the run clamps first to 1..99 and last to first..99.
    QString firstProgram = QStringLiteral("1");
    QString lastProgram = QStringLiteral("1");

    bool logo = false;
    QImage logoPicture; // drawn when `logo` is set; an empty picture cannot be scaled

    bool date = true;
    bool time = true;
    QString dateText; // footer texts, formatted when the run starts
    QString timeText;

    QString comment;
};

} // namespace corvex
