#include "ReagentEditor.h"

#include "ClipboardMenu.h"
#include "ConnectionFrame.h"
#include "Cp1252.h"
#include "FixedPitchFont.h"
#include "ListTexts.h"
#include "NameBox.h"
#include "NameForms.h"
#include "NumberText.h"
#include "Progress.h"
#include "Questions.h"
#include "SpinBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvex {

namespace {

QString numberLabel(int number)
{
    return ReagentEditor::tr("Reagent %1:").arg(zeroPadded(number, 3));
}

} // namespace

ReagentEditor::ReagentEditor(InstrumentData &data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("tabReagents"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lsReagents"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFont(fixedPitchListFont());
    m_list->setUniformItemSizes(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildConnectionFrame());
    layout->addWidget(m_list, 1);
    layout->addWidget(buildNameRow());
    buildMenu();
    setUpAccessibility();

    connect(m_list, &QListWidget::currentRowChanged, this, &ReagentEditor::reagentSelected);
    // A click on the line already selected changes no row, yet the name is what is edited next.
    connect(m_list, &QListWidget::clicked, m_name, qOverload<>(&QWidget::setFocus));
    // Enter (or a double-click) on a line: its name is edited next.
    connect(m_list, &QListWidget::activated, m_name, qOverload<>(&QWidget::setFocus));
    connect(m_number, &QLineEdit::textChanged, this, &ReagentEditor::numberTyped);
    connect(m_frame, &ConnectionFrame::firstClicked, this, &ReagentEditor::readReagentRequested);
    connect(m_frame, &ConnectionFrame::secondClicked, this, &ReagentEditor::readAllRequested);
    connect(m_frame, &ConnectionFrame::stopClicked, this, &ReagentEditor::stopRequested);
    connect(m_send, &QPushButton::clicked, this, &ReagentEditor::sendTypedName);
    connect(m_name, &QLineEdit::textChanged, this, &ReagentEditor::nameTyped);
    // Enter sends as the button does, and only when it could be clicked.
    connect(m_name, &QLineEdit::returnPressed, this, [this] {
        if (m_send->isEnabled())
            sendTypedName();
    });
    auto *drop = new QAction(m_name);
    drop->setShortcut(Qt::Key_Escape);
    drop->setShortcutContext(Qt::WidgetShortcut);
    m_name->addAction(drop);
    connect(drop, &QAction::triggered, this, &ReagentEditor::dropTypedName);
}

QWidget *ReagentEditor::buildConnectionFrame()
{
    auto *frame = new ConnectionFrame({.frameName = "frameReagentConnection",
                                       .label = tr("Reagent:"),
                                       .numberName = "txtRead",
                                       .digits = 3,
                                       .spinName = "VScroll1",
                                       .count = reagentCount,
                                       .firstButtonName = "cmdReadReagents",
                                       .firstCaption = readFromCorvexCaption(),
                                       .secondButtonName = "cmdReadAllReagents",
                                       .secondCaption = readAllCaption(),
                                       .barName = "pbReagents",
                                       .barMinimum = 1,
                                       .barMaximum = reagentCount,
                                       .percentName = "lblPercent"},
                                      this);
    m_frame = frame;
    m_number = frame->number;
    m_spin = frame->spin;
    m_progress = frame->bar;
    m_percent = frame->percent;
    return frame;
}

QWidget *ReagentEditor::buildNameRow()
{
    auto *row = new QWidget(this);
    m_nameLabel = new QLabel(numberLabel(1), row);
    m_nameLabel->setObjectName(QStringLiteral("lblReagents"));
    QFont bold = m_nameLabel->font();
    bold.setBold(true);
    m_nameLabel->setFont(bold);

    m_name = new NameBox(row);
    m_name->setObjectName(QStringLiteral("txtReagent"));
    m_nameLabel->setBuddy(m_name);

    m_send = new QPushButton(tr("&Send reagent"), row);
    m_send->setObjectName(QStringLiteral("cmdSend"));

    auto *line = new QHBoxLayout;
    line->addWidget(m_nameLabel);
    line->addWidget(m_name, 1);
    line->addWidget(m_send);
    auto *layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(line);
    layout->addWidget(m_name->createNoteLabel(row));
    return row;
}

void ReagentEditor::buildMenu()
{
    m_pasteAction = attachClipboardMenu(
        m_list, {QStringLiteral("ReagentPopup"), "mnReagent", "mnReagentCopy", "mnReagentPaste", "mnReagentDelete"},
        [this] { copyReagent(); }, [this] { pasteReagent(); }, [this] { deleteReagent(); });
    m_listMenu = clipboardMenuOf(m_list);
}

void ReagentEditor::fillList()
{
    QStringList lines;
    lines.reserve(reagentCount);
    for (int r = 1; r <= reagentCount; ++r)
        lines.append(reagentListLine(r, m_data.reagents[r]));
    m_list->clear();
    m_list->addItems(lines);
    for (const int r : m_unsent.keys()) {
        dropIfHeld(r);
        markLine(r);
    }
}

void ReagentEditor::refreshLine(int number)
{
    if (!ReagentTable::isValidNumber(number) || number > m_list->count())
        return;
    dropIfHeld(number);
    markLine(number);
    if (m_list->currentRow() == number - 1)
        reagentSelected(number - 1);
    else
        selectReagent(number);
}

void ReagentEditor::selectReagent(int number)
{
    m_list->setCurrentRow(number - 1);
}

int ReagentEditor::numberToRead() const
{
    return clampNumber(m_number->text(), 1, reagentCount);
}

void ReagentEditor::setNumberToRead(int number)
{
    m_number->setText(QString::number(number));
}

void ReagentEditor::showNumberToRead()
{
    numberTyped(m_number->text());
}

int ReagentEditor::selectedReagent() const
{
    return m_list->currentRow() + 1;
}

QByteArray ReagentEditor::typedName() const
{
    return nameForStorage(encodeCp1252(m_name->text()));
}

void ReagentEditor::reagentSelected(int row)
{
    m_nameLabel->setText(numberLabel(row + 1));
    if (row < 0)
        return;
    const int r = row + 1;
    m_name->showName(m_unsent.contains(r) ? m_unsent.value(r) : decodeCp1252(nameForDisplay(m_data.reagents[r])));
    // The arrow keys walk the list; Enter or a click goes on to the name. (While
    // a job runs the name box is disabled and takes no focus.)
    if (!m_list->hasFocus())
        m_name->setFocus();
}

void ReagentEditor::nameTyped()
{
    const int r = selectedReagent();
    if (m_name->isShowingName() || !ReagentTable::isValidNumber(r))
        return;
    if (typedName() == nameForStorage(m_data.reagents[r]))
        m_unsent.remove(r);
    else
        m_unsent.insert(r, m_name->text());
    markLine(r);
    emit unsentEditsChanged();
}

void ReagentEditor::dropTypedName()
{
    const int r = selectedReagent();
    if (!m_unsent.remove(r))
        return;
    markLine(r);
    reagentSelected(r - 1);
    emit unsentEditsChanged();
}

void ReagentEditor::dropIfHeld(int number)
{
    if (!m_unsent.contains(number)
        || nameForStorage(encodeCp1252(m_unsent.value(number))) != nameForStorage(m_data.reagents[number]))
        return;
    m_unsent.remove(number);
    markLine(number);
    emit unsentEditsChanged();
}

// The line shows the name as the table holds it; a name typed but not sent
// follows it, in italics.
void ReagentEditor::markLine(int number)
{
    QListWidgetItem *item = m_list->item(number - 1);
    if (!item)
        return;
    const bool unsent = m_unsent.contains(number);
    QString text = reagentListLine(number, m_data.reagents[number]);
    if (unsent)
        text += tr("  not sent: \"%1\"").arg(m_unsent.value(number));
    item->setText(text);
    QFont font = m_list->font();
    font.setItalic(unsent);
    item->setFont(font);
}

void ReagentEditor::numberTyped(const QString &text)
{
    m_spin->setSpinValue(clampNumber(text, 1, reagentCount));
}

void ReagentEditor::sendTypedName()
{
    const int r = selectedReagent();
    if (!ReagentTable::isValidNumber(r))
        return;
    if (r == emptyVialReagent
        && !askYesNo(this, tr("Are you sure?"),
                     tr("Are you sure that you want to rename this reagent? It is used by the Corvex to "
                        "designate an empty vial.")))
        return;
    emit sendReagentRequested(r, typedName());
}

void ReagentEditor::setReadAllProgress(int reagent)
{
    m_progress->setValue(reagent);
    m_percent->setText(percentText(reagent, reagentCount));
}

void ReagentEditor::showProgressNote(const QString &note)
{
    m_percent->setText(note);
}

void ReagentEditor::resetReadAllProgress()
{
    m_progress->setValue(1);
    m_percent->clear();
}

void ReagentEditor::setEditingEnabled(bool enabled)
{
    m_frame->setNumberEnabled(enabled);
    m_listMenu->setEnabled(enabled);
    m_name->setEnabled(enabled);
}

void ReagentEditor::setTransferState(bool canStart, Transfer running, bool canStop)
{
    const auto shown = running == Transfer::Read      ? ConnectionFrame::Running::First
                     : running == Transfer::ReadAll   ? ConnectionFrame::Running::Second
                                                      : ConnectionFrame::Running::None;
    m_frame->showTransferState(canStart, shown, canStop);
    m_send->setEnabled(canStart);
}

void ReagentEditor::focusNameBox()
{
    m_name->setFocus();
}

void ReagentEditor::copyReagent()
{
    const int r = selectedReagent();
    if (!ReagentTable::isValidNumber(r))
        return;
    m_copiedReagent = r;
    m_pasteAction->setEnabled(true);
}

void ReagentEditor::pasteReagent()
{
    if (!ReagentTable::isValidNumber(m_copiedReagent))
        return;
    m_name->showName(decodeCp1252(m_data.reagents[m_copiedReagent]));
    nameTyped();
    sendTypedName();
}

void ReagentEditor::deleteReagent()
{
    m_name->clear();
    sendTypedName();
}

void ReagentEditor::setUpAccessibility()
{
    m_number->setAccessibleName(tr("Reagent number"));
    m_number->setAccessibleDescription(
        tr("1 to 200, the reagent that Read from Corvex reads; Up and Down step through them"));
    m_spin->setAccessibleName(tr("Reagent number up or down"));
    m_progress->setAccessibleName(tr("Transfer progress"));
    m_percent->setAccessibleDescription(tr("Transfer status"));
    m_list->setAccessibleName(tr("Reagent names"));
    m_list->setAccessibleDescription(
        tr("Enter edits the selected name; the context-menu key copies, pastes or deletes it"));
    m_name->setAccessibleDescription(tr("The selected reagent's new name, up to 13 characters"));

    const QList<QWidget *> order{m_number, m_spin, m_frame->firstButton, m_frame->secondButton, m_list, m_name, m_send};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

} // namespace corvex
