// Copy, paste and delete of whole programs and of single vials. The clipboard
// holds numbers only: a paste takes what the source holds at that moment.
#include "ProgramEditor.h"

#include "Questions.h"

#include <QAction>
#include <QPushButton>

namespace {

QByteArray ReagentNameOf(const VialStep &vial, const ReagentTable &reagents)
{
    return ReagentTable::isValidNumber(vial.Reagent) ? reagents[vial.Reagent] : QByteArray();
}

} // namespace

void ProgramEditor::copyProgram()
{
    m_copiedProgram = currentProgram();
    m_paste->setEnabled(true);
}

void ProgramEditor::pasteProgram()
{
    if (!ProgramTable::isValidNumber(m_copiedProgram))
        return;
    const int n = currentProgram();
    if (!AskYesNo(this, QStringLiteral("Paste Program"),
                  OverwriteQuestion(QStringLiteral("Program"), n, m_data.programs[n].Name)))
        return;
    m_data.programs[n] = ProgramRecord(m_data.programs[m_copiedProgram]);
    showProgram();
}

void ProgramEditor::deleteProgram()
{
    const int n = currentProgram();
    if (!AskYesNo(this, QStringLiteral("Delete Program"),
                  DeleteQuestion(QStringLiteral("Program"), n, m_data.programs[n].Name)))
        return;
    m_data.programs[n] = ProgramRecord::Empty();
    showProgram();
}

void ProgramEditor::copyVial()
{
    const int v = currentVial();
    if (v < 1)
        return;
    m_copiedVial = {currentProgram(), v};
    m_vialPaste->setEnabled(true);
}

void ProgramEditor::pasteVial()
{
    const int n = currentProgram();
    const int v = currentVial();
    if (v < 1 || m_copiedVial.Vial < 1)
        return;
    const VialStep &target = m_data.programs[n].vial(v);
    if (!AskYesNo(this, QStringLiteral("Paste Vial"),
                  OverwriteQuestion(QStringLiteral("Vial"), v, ReagentNameOf(target, m_data.reagents))))
        return;
    storeVial(v, m_data.programs[m_copiedVial.Program].vial(m_copiedVial.Vial));
}

void ProgramEditor::deleteVial()
{
    const int n = currentProgram();
    const int v = currentVial();
    if (v < 1)
        return;
    const VialStep &target = m_data.programs[n].vial(v);
    if (!AskYesNo(this, QStringLiteral("Delete Vial"),
                  DeleteQuestion(QStringLiteral("Vial"), v, ReagentNameOf(target, m_data.reagents))))
        return;
    storeVial(v, VialStep::Blank());
}
