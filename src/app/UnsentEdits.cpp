#include "UnsentEdits.h"

#include "ListTexts.h"

#include <QCoreApplication>

namespace corvex {

namespace {

// More names than this make the question hard to read.
constexpr int namesShown = 6;

QString verbFor(const QList<int> &programs, const QList<int> &reagents)
{
    return programs.size() + reagents.size() == 1 ? QCoreApplication::translate("UnsentEdits", "has") : QCoreApplication::translate("UnsentEdits", "have");
}

} // namespace

QString unsentEditsSubject(const QList<int> &programs, const QList<int> &reagents)
{
    QStringList names;
    for (const int program : programs)
        names << programNumberLabel(program);
    for (const int reagent : reagents)
        names << reagentNumberLabel(reagent);
    if (names.size() > namesShown) {
        const qsizetype more = names.size() - (namesShown - 1);
        names = names.mid(0, namesShown - 1);
        names << QCoreApplication::translate("UnsentEdits", "%1 more").arg(more);
    }
    if (names.size() <= 1)
        return names.value(0);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QCoreApplication::translate("UnsentEdits", " and ") + last;
}

QString closeWithUnsentEditsQuestion(const QList<int> &programs, const QList<int> &reagents)
{
    return QCoreApplication::translate("UnsentEdits", "%1 %2 changes that were not sent to the Corvex. Close anyway?")
        .arg(unsentEditsSubject(programs, reagents), verbFor(programs, reagents));
}

QString readOverUnsentEditsQuestion(int program)
{
    return QCoreApplication::translate("UnsentEdits", "%1 has changes that were not sent to the Corvex. Reading it from the "
                                                "Corvex replaces them. Read anyway?")
        .arg(programNumberLabel(program));
}

} // namespace corvex
