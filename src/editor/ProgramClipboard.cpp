// Copy, paste and delete of whole programs and of single vials. The clipboard
// holds numbers only: a paste takes what the source holds at that moment.
#include "ProgramEditor.h"

#include "Questions.h"

#include <QAction>
#include <QPushButton>

namespace corvex {

namespace {

QByteArray reagentNameOf(const VialStep &vial, const ReagentTable &reagents)
{
    return ReagentTable::isValidNumber(vial.reagent) ? reagents[vial.reagent] : QByteArray();
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
    if (!askYesNo(this, tr("Paste Program"),
                  overwriteQuestion(tr("Program"), n, m_data.programs[n].name)))
        return;
    beginEdit();
    m_data.programs[n] = ProgramRecord(m_data.programs[m_copiedProgram]);
    showProgram();
    endEdit();
}

void ProgramEditor::deleteProgram()
{
    const int n = currentProgram();
    if (!askYesNo(this, tr("Delete Program"),
                  deleteQuestion(tr("Program"), n, m_data.programs[n].name)))
        return;
    beginEdit();
    m_data.programs[n] = ProgramRecord::empty();
    showProgram();
    endEdit();
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
    if (v < 1 || m_copiedVial.vial < 1)
        return;
    const VialStep &target = m_data.programs[n].vial(v);
    if (!askYesNo(this, tr("Paste Vial"),
                  overwriteQuestion(tr("Vial"), v, reagentNameOf(target, m_data.reagents))))
        return;
    storeVial(v, m_data.programs[m_copiedVial.program].vial(m_copiedVial.vial));
}

void ProgramEditor::deleteVial()
{
    const int n = currentProgram();
    const int v = currentVial();
    if (v < 1)
        return;
    const VialStep &target = m_data.programs[n].vial(v);
    if (!askYesNo(this, tr("Delete Vial"),
                  deleteQuestion(tr("Vial"), v, reagentNameOf(target, m_data.reagents))))
        return;
    storeVial(v, VialStep::blank());
}

} // namespace corvex
