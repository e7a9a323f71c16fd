#pragma once

#include <QList>
#include <QString>

namespace corvex {

// What holds edits that never reached the Corvex, as one subject:
// "Program01 and Reagent 014", "Program01, Program03 and 4 more".
QString unsentEditsSubject(const QList<int> &programs, const QList<int> &reagents);

// The question before the window closes with such edits: "Program01 and
// Reagent 014 have changes that were not sent to the Corvex. Close anyway?"
QString closeWithUnsentEditsQuestion(const QList<int> &programs, const QList<int> &reagents);

// The question before a read from the Corvex replaces an edited program.
QString readOverUnsentEditsQuestion(int program);

} // namespace corvex
