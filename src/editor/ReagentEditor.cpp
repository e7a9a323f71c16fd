#include "editor/ReagentEditor.h"

#include "editor/FixedPitchFont.h"
#include "editor/NameBox.h"
#include "editor/NumberKeyFilter.h"
#include "editor/Progress.h"
#include "editor/SpinBar.h"
#include "model/Cp1252.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "model/NumberText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString ReadAllCaption = QStringLiteral("Read ALL from Corvex");
const QString StopCaption = QStringLiteral("Stop");

QString NumberLabel(int number)
{
    return QStringLiteral("Reagent %1:").arg(number, 3, 10, QLatin1Char('0'));
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
    m_list->setFont(FixedPitchListFont());
    m_list->setUniformItemSizes(true);
    m_list->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildConnectionFrame());
    layout->addWidget(m_list, 1);
    layout->addWidget(buildNameRow());
    buildMenu();

    connect(m_list, &QListWidget::currentRowChanged, this, &ReagentEditor::reagentSelected);
    connect(m_number, &QLineEdit::textChanged, this, &ReagentEditor::numberTyped);
    connect(m_spin, &SpinBar::spinValueChanged, this, &ReagentEditor::numberSpun);
    connect(m_read, &QPushButton::clicked, this, &ReagentEditor::readReagentRequested);
    connect(m_readAll, &QPushButton::clicked, this, &ReagentEditor::readAllClicked);
    connect(m_send, &QPushButton::clicked, this, &ReagentEditor::sendTypedName);
}

QWidget *ReagentEditor::buildConnectionFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Connection to Corvex"), this);
    frame->setObjectName(QStringLiteral("frameReagentConnection"));

    m_number = new QLineEdit(QStringLiteral("1"), frame);
    m_number->setObjectName(QStringLiteral("txtRead"));
    m_number->setMaxLength(3);
    m_number->setAlignment(Qt::AlignRight);
    m_number->setFixedWidth(m_number->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    NumberKeyFilter::Install(m_number);

    m_spin = new SpinBar(0, ReagentCount + 1, frame);
    m_spin->setObjectName(QStringLiteral("VScroll1"));
    m_spin->setFixedHeight(m_number->sizeHint().height());

    m_read = new QPushButton(QStringLiteral("Read from Corvex"), frame);
    m_read->setObjectName(QStringLiteral("cmdReadReagents"));
    m_readAll = new QPushButton(ReadAllCaption, frame);
    m_readAll->setObjectName(QStringLiteral("cmdReadAllReagents"));
    // The caption changes to "Stop" while running; the button keeps its width.
    m_readAll->setMinimumWidth(m_readAll->sizeHint().width());

    m_progress = new QProgressBar(frame);
    m_progress->setObjectName(QStringLiteral("pbReagents"));
    m_progress->setRange(1, ReagentCount);
    m_progress->setValue(1);
    m_progress->setTextVisible(false);

    m_percent = new QLabel(frame);
    m_percent->setObjectName(QStringLiteral("lblPercent"));
    m_percent->setMinimumWidth(m_percent->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *row = new QHBoxLayout(frame);
    row->addWidget(new QLabel(QStringLiteral("Reagent:"), frame));
    row->addWidget(m_number);
    row->addWidget(m_spin);
    row->addSpacing(8);
    row->addWidget(m_read);
    row->addWidget(m_readAll);
    row->addWidget(m_progress, 1);
    row->addWidget(m_percent);
    return frame;
}

QWidget *ReagentEditor::buildNameRow()
{
    auto *row = new QWidget(this);
    m_nameLabel = new QLabel(NumberLabel(1), row);
    m_nameLabel->setObjectName(QStringLiteral("lblReagents"));
    QFont bold = m_nameLabel->font();
    bold.setBold(true);
    m_nameLabel->setFont(bold);

    m_name = new QLineEdit(row);
    m_name->setObjectName(QStringLiteral("txtReagent"));
    MakeNameBox(m_name);
    m_nameLabel->setBuddy(m_name);

    m_send = new QPushButton(QStringLiteral("&Send reagent"), row);
    m_send->setObjectName(QStringLiteral("cmdSend"));

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_name, 1);
    layout->addWidget(m_send);
    return row;
}

void ReagentEditor::buildMenu()
{
    m_menu = new QMenu(QStringLiteral("ReagentPopup"), this);
    m_menu->setObjectName(QStringLiteral("mnReagent"));
    auto *copy = m_menu->addAction(QStringLiteral("&Copy"), this, &ReagentEditor::copyReagent);
    copy->setObjectName(QStringLiteral("mnReagentCopy"));
    m_pasteAction = m_menu->addAction(QStringLiteral("&Paste"), this, &ReagentEditor::pasteReagent);
    m_pasteAction->setObjectName(QStringLiteral("mnReagentPaste"));
    m_pasteAction->setEnabled(false);
    auto *remove = m_menu->addAction(QStringLiteral("&Delete"), this, &ReagentEditor::deleteReagent);
    remove->setObjectName(QStringLiteral("mnReagentDelete"));
}

void ReagentEditor::fillList()
{
    QStringList lines;
    lines.reserve(ReagentCount);
    for (int r = 1; r <= ReagentCount; ++r)
        lines.append(ReagentListLine(r, m_data.reagents[r]));
    m_list->clear();
    m_list->addItems(lines);
}

void ReagentEditor::refreshLine(int number)
{
    if (!ReagentTable::isValidNumber(number) || number > m_list->count())
        return;
    m_list->item(number - 1)->setText(ReagentListLine(number, m_data.reagents[number]));
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
    return ClampNumber(m_number->text(), 1, ReagentCount);
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
    return FitName(EncodeCp1252(m_name->text()), false);
}

void ReagentEditor::reagentSelected(int row)
{
    m_nameLabel->setText(NumberLabel(row + 1));
    if (row < 0)
        return;
    m_name->setText(DecodeCp1252(FitName(m_data.reagents[row + 1], true)));
    m_name->setFocus();
}

void ReagentEditor::numberTyped(const QString &text)
{
    m_spin->setSpinValue(ClampNumber(text, 1, ReagentCount));
}

void ReagentEditor::numberSpun(int value)
{
    if (value <= m_spin->minimum()) {
        m_number->setText(QString::number(ReagentCount));
        m_spin->setSpinValue(ReagentCount);
    } else if (value >= m_spin->maximum()) {
        m_number->setText(QStringLiteral("1"));
        m_spin->setSpinValue(1);
    } else {
        m_number->setText(QString::number(value));
    }
}

void ReagentEditor::sendTypedName()
{
    const int r = selectedReagent();
    if (!ReagentTable::isValidNumber(r))
        return;
    if (r == EmptyVialReagent
        && QMessageBox::question(this, QStringLiteral("Are you sure?"),
                                 QStringLiteral("Are you sure that you want to rename this reagent? It is used by "
                                                "the Corvex to designate an empty vial."),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
        return;
    emit sendReagentRequested(r, typedName());
}

void ReagentEditor::readAllClicked()
{
    if (readAllRunning())
        emit stopReadAllRequested();
    else
        emit readAllRequested();
}

bool ReagentEditor::readAllRunning() const
{
    return m_readAll->text() != ReadAllCaption;
}

void ReagentEditor::setReadAllRunning(bool running)
{
    m_readAll->setText(running ? StopCaption : ReadAllCaption);
}

void ReagentEditor::setReadAllProgress(int reagent)
{
    m_progress->setValue(reagent);
    m_percent->setText(PercentText(reagent, ReagentCount));
}

void ReagentEditor::resetReadAllProgress()
{
    m_progress->setValue(1);
    m_percent->clear();
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
    m_name->setText(DecodeCp1252(m_data.reagents[m_copiedReagent]));
    sendTypedName();
}

void ReagentEditor::deleteReagent()
{
    m_name->clear();
    sendTypedName();
}

bool ReagentEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_list->viewport())
        return QWidget::eventFilter(watched, event);
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!press && !release)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    if (release)
        m_menu->popup(mouse->globalPosition().toPoint());
    return true;
}
