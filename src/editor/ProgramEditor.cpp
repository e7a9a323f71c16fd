#include "ProgramEditor.h"

#include "ClipboardMenu.h"
#include "ConnectionFrame.h"
#include "Cp1252.h"
#include "Duration.h"
#include "FixedPitchFont.h"
#include "ListTexts.h"
#include "MemoryMap.h"
#include "NameBox.h"
#include "NameForms.h"
#include "NumberText.h"
#include "Progress.h"
#include "SpinBar.h"
#include "VialEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace corvex {

namespace {

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QFont bold(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

ProgramEditor::ProgramEditor(InstrumentData &data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("tabPrograms"));

    m_vials = new QListWidget(this);
    m_vials->setObjectName(QStringLiteral("lsVials"));
    m_vials->setSelectionMode(QAbstractItemView::SingleSelection);
    m_vials->setFont(fixedPitchListFont());
    m_vials->setUniformItemSizes(true);

    m_vialEditor = new VialEditor(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildConnectionFrame());
    layout->addWidget(buildProgramFrame());
    layout->addWidget(m_vials, 1);
    layout->addWidget(m_vialEditor);
    buildVialMenu();
    setUpAccessibility();

    connect(m_number, &QLineEdit::textChanged, this, &ProgramEditor::showProgram);
    connect(m_frame, &ConnectionFrame::firstClicked, this, &ProgramEditor::readProgramRequested);
    connect(m_frame, &ConnectionFrame::secondClicked, this, &ProgramEditor::sendProgramRequested);
    connect(m_frame, &ConnectionFrame::stopClicked, this, &ProgramEditor::stopRequested);
    connect(m_name, &QLineEdit::textChanged, this, &ProgramEditor::nameEdited);
    connect(m_type, &QComboBox::currentIndexChanged, this, &ProgramEditor::typeChosen);
    connect(m_vials, &QListWidget::currentRowChanged, this, &ProgramEditor::vialSelected);
    connect(m_vialEditor, &VialEditor::okClicked, this, &ProgramEditor::applyVial);
    connect(m_copy, &QPushButton::clicked, this, &ProgramEditor::copyProgram);
    connect(m_paste, &QPushButton::clicked, this, &ProgramEditor::pasteProgram);
    connect(m_delete, &QPushButton::clicked, this, &ProgramEditor::deleteProgram);
}

QWidget *ProgramEditor::buildConnectionFrame()
{
    auto *frame = new ConnectionFrame({.frameName = "frameConnection",
                                       .label = tr("Program:"),
                                       .numberName = "txtReadProgram",
                                       .digits = 2,
                                       .spinName = "VScroll2",
                                       .count = programCount,
                                       .firstButtonName = "cmdReadProgram",
                                       .firstCaption = readFromCorvexCaption(),
                                       .secondButtonName = "cmdSendProgram",
                                       .secondCaption = tr("Send to Corvex"),
                                       .barName = "pbPrograms",
                                       .barMinimum = 0,
                                       .barMaximum = MemoryMap::programTransferBytes,
                                       .percentName = "lblPercent2"},
                                      this);
    m_frame = frame;
    m_number = frame->number;
    m_spin = frame->spin;
    m_progress = frame->bar;
    m_percent = frame->percent;
    return frame;
}

QWidget *ProgramEditor::buildProgramFrame()
{
    m_programFrame = new QGroupBox(tr("Program 01"), this);
    m_programFrame->setObjectName(QStringLiteral("frameProgram"));
    QFont normal = font();
    normal.setBold(false);
    m_programFrame->setFont(bold(normal));

    m_name = new NameBox(m_programFrame);
    m_name->setObjectName(QStringLiteral("txtProgramName"));
    QLabel *nameNote = m_name->createNoteLabel(m_programFrame);

    m_type = new QComboBox(m_programFrame);
    m_type->setObjectName(QStringLiteral("cbType"));

    m_duration = new QLabel(durationCaption(0), m_programFrame);
    m_duration->setObjectName(QStringLiteral("lblDuration"));

    m_copy = button("cmdCopy", tr("&Copy"), m_programFrame);
    m_paste = button("cmdPaste", tr("&Paste"), m_programFrame);
    m_paste->setEnabled(false);
    m_delete = button("cmdDelete", tr("&Delete"), m_programFrame);

    auto *nameLabel = new QLabel(tr("Program Name"), m_programFrame);
    auto *typeLabel = new QLabel(tr("Program Type"), m_programFrame);
    for (QWidget *plain : {static_cast<QWidget *>(nameLabel), static_cast<QWidget *>(typeLabel),
                           static_cast<QWidget *>(nameNote), static_cast<QWidget *>(m_copy),
                           static_cast<QWidget *>(m_paste), static_cast<QWidget *>(m_delete)})
        plain->setFont(normal);
    nameLabel->setBuddy(m_name);
    typeLabel->setBuddy(m_type);

    auto *grid = new QGridLayout(m_programFrame);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(typeLabel, 0, 2, Qt::AlignRight);
    grid->addWidget(m_type, 0, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    buttons->addWidget(m_paste);
    buttons->addWidget(m_delete);
    grid->addWidget(m_duration, 1, 0, 1, 2);
    grid->addLayout(buttons, 1, 2, 1, 2);
    grid->addWidget(nameNote, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    return m_programFrame;
}

void ProgramEditor::buildVialMenu()
{
    m_vialPaste = attachClipboardMenu(m_vials, {QStringLiteral("VialPopup"), "mnVial", "mnCopy", "mnPaste", "mnDelete"},
                                      [this] { copyVial(); }, [this] { pasteVial(); }, [this] { deleteVial(); });
}

void ProgramEditor::fillAgitation()
{
    m_vialEditor->fillAgitation();
}

void ProgramEditor::fillReagents()
{
    m_vialEditor->fillReagents(m_data.reagents);
}

void ProgramEditor::fillTypes()
{
    // Filling the list chooses nothing yet: showProgram() does.
    const QSignalBlocker quiet(m_type);
    m_type->addItems({QStringLiteral("LM"), QStringLiteral("EM")});
    m_type->setCurrentIndex(-1);
}

int ProgramEditor::currentProgram() const
{
    return clampNumber(m_number->text(), 1, programCount);
}

int ProgramEditor::currentVial() const
{
    return m_vials->currentRow() + 1;
}

void ProgramEditor::setEditingEnabled(bool enabled)
{
    m_frame->setNumberEnabled(enabled);
    for (QWidget *control : std::initializer_list<QWidget *>{m_name, m_type, m_copy, m_delete, m_vials, m_vialEditor})
        control->setEnabled(enabled);
    m_paste->setEnabled(enabled && m_copiedProgram >= 1);
}

void ProgramEditor::setTransferState(bool canStart, Transfer running, bool canStop)
{
    m_frame->showTransferState(canStart, running == Transfer::Read ? ConnectionFrame::Running::First
                                                                   : ConnectionFrame::Running::None,
                               canStop);
}

void ProgramEditor::setCurrentProgram(int n)
{
    m_number->setText(QString::number(n));
}

void ProgramEditor::showProgram()
{
    // What the controls' change handlers do meanwhile is showing, not editing.
    const QScopedValueRollback showing(m_showing, true);
    const int n = currentProgram();
    m_spin->setSpinValue(n);
    m_programFrame->setTitle(tr("Program %1").arg(zeroPadded(n, 2)));
    m_name->showName(decodeCp1252(nameForDisplay(m_data.programs[n].name)));
    showDuration();
    m_type->setCurrentIndex(m_data.programs[n].isLM() ? typeLm : typeEm);

    // Rebuilt without repainting line by line.
    m_vials->clearSelection();
    m_vials->setUpdatesEnabled(false);
    m_vials->clear();
    for (int v = 1; v <= m_data.programs[n].usedVialCount(); ++v)
        addVialLine(n);
    m_vials->setUpdatesEnabled(true);
    selectVial(0);
}

void ProgramEditor::showDuration()
{
    m_duration->setText(durationCaption(m_data.programs[currentProgram()].duration));
}

void ProgramEditor::nameEdited(const QString &text)
{
    beginEdit();
    m_data.programs[currentProgram()].name = nameForStorage(encodeCp1252(text));
    endEdit();
}

void ProgramEditor::typeChosen(int index)
{
    if (index < 0)
        return;
    beginEdit();
    const int n = currentProgram();
    if (index != typeLm) {
        while (m_vials->count() < vialCount)
            addVialLine(n);
    } else {
        const int row = std::min(m_vials->currentRow(), lmVialCount - 1);
        m_vials->setUpdatesEnabled(false);
        while (m_vials->count() > lmVialCount)
            delete m_vials->takeItem(m_vials->count() - 1);
        m_vials->setUpdatesEnabled(true);
        selectVial(row);
    }
    ProgramRecord &program = m_data.programs[n];
    program.type = index;
    recalculateDuration(program);
    showDuration();
    endEdit();
}

void ProgramEditor::addVialLine(int program)
{
    const int v = m_vials->count() + 1;
    m_vials->addItem(vialLineText(v, m_data.programs[program].vial(v), m_data.reagents));
}

void ProgramEditor::selectVial(int row)
{
    m_vials->setCurrentRow(row);
}

void ProgramEditor::vialSelected(int row)
{
    if (row < 0)
        return;
    m_vialEditor->load(m_data.programs[currentProgram()].vial(row + 1));
}

void ProgramEditor::applyVial()
{
    const int n = currentProgram();
    const int v = currentVial();
    if (v < 1)
        return;
    storeVial(v, m_vialEditor->edited(m_data.programs[n].vial(v)));
}

void ProgramEditor::storeVial(int v, const VialStep &vial)
{
    beginEdit();
    ProgramRecord &program = m_data.programs[currentProgram()];
    program.vial(v) = vial;
    recalculateDuration(program);
    showProgram();
    selectVial(v - 1);
    endEdit();
}

void ProgramEditor::beginEdit()
{
    const int n = currentProgram();
    if (!m_showing && !m_unchanged.contains(n))
        m_unchanged.emplace(n, m_data.programs[n]);
}

void ProgramEditor::endEdit()
{
    if (m_showing)
        return;
    const auto before = m_unchanged.find(currentProgram());
    if (before != m_unchanged.end() && before->second == m_data.programs[before->first])
        m_unchanged.erase(before);
    emit unsentEditsChanged();
}

QList<int> ProgramEditor::unsentPrograms() const
{
    QList<int> programs;
    for (const auto &[n, before] : m_unchanged)
        programs.append(n);
    return programs;
}

void ProgramEditor::settle(int program)
{
    if (m_unchanged.erase(program) > 0)
        emit unsentEditsChanged();
}

void ProgramEditor::settleAll()
{
    if (m_unchanged.empty())
        return;
    m_unchanged.clear();
    emit unsentEditsChanged();
}

void ProgramEditor::reagentsRenamed()
{
    const int row = m_vials->currentRow();
    fillReagents();
    showProgram();
    selectVial(row);
}

void ProgramEditor::showProgress(int done, int maximum)
{
    m_progress->setMaximum(maximum);
    m_progress->setValue(done);
    m_percent->setText(percentText(done, maximum));
}

void ProgramEditor::showProgressNote(const QString &note)
{
    m_percent->setText(note);
}

void ProgramEditor::resetProgress()
{
    m_progress->setValue(0);
    m_percent->clear();
}

void ProgramEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QWidget::keyPressEvent(event);
    // Enter on a vial line opens it for editing.
    if (focusWidget() == m_vials) {
        if (m_vials->currentRow() >= 0)
            m_vialEditor->firstField()->setFocus(Qt::TabFocusReason);
        return;
    }
    // Enter presses the focused push button, anywhere else the vial's Ok:
    // on a check box or an option button too, which Space ticks instead.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && button->isEnabled())
        button->click();
    else if (m_vialEditor->okButton()->isEnabled())
        m_vialEditor->okButton()->click();
}

void ProgramEditor::setUpAccessibility()
{
    m_number->setAccessibleName(tr("Program number"));
    m_number->setAccessibleDescription(tr("1 to 99, the program shown, read and sent; Up and Down step through them"));
    m_spin->setAccessibleName(tr("Program number up or down"));
    m_progress->setAccessibleName(tr("Transfer progress"));
    m_percent->setAccessibleDescription(tr("Transfer status"));
    m_name->setAccessibleName(tr("Program name"));
    m_name->setAccessibleDescription(tr("Up to 13 characters"));
    m_type->setAccessibleName(tr("Program type"));
    m_duration->setAccessibleDescription(tr("Total time of the program"));
    m_copy->setAccessibleName(tr("Copy program"));
    m_paste->setAccessibleName(tr("Paste program"));
    m_delete->setAccessibleName(tr("Delete program"));
    m_vials->setAccessibleName(tr("Vials of the program"));
    m_vials->setAccessibleDescription(
        tr("Enter edits the selected vial; the context-menu key copies, pastes or deletes it"));

    const QList<QWidget *> order{m_number, m_spin,  m_frame->firstButton, m_frame->secondButton,
                                 m_name,   m_type,  m_copy,               m_paste,
                                 m_delete, m_vials, m_vialEditor->firstField()};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

} // namespace corvex
