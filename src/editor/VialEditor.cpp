#include "VialEditor.h"

#include "ClickClearsField.h"
#include "Limits.h"
#include "ListTexts.h"
#include "NumberKeyFilter.h"
#include "NumberText.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvex {

namespace {

constexpr int typedDigits = 2;

QLineEdit *numberBox(const char *name, const QString &text, QWidget *parent)
{
    QLineEdit *box = makeNumberBox(name, text, typedDigits, parent);
    ClickClearsField::install(box, typedDigits);
    return box;
}

QString twoDigits(qint32 value)
{
    return zeroPadded(value, 2);
}

} // namespace

VialEditor::VialEditor(QWidget *parent)
    : QGroupBox(tr("Edit Vial"), parent)
{
    setObjectName(QStringLiteral("frameVial"));

    m_reagents = new QComboBox(this);
    m_reagents->setObjectName(QStringLiteral("cbReagents"));
    m_reagents->setMinimumContentsLength(18);
    m_reagents->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Styles that open a drop-down as a menu the height of the screen ignore
    // the row limit; as a list, with a scroll bar for the rest, it holds.
    m_reagents->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    m_reagents->setMaxVisibleItems(20);
    m_reagents->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    m_hours = numberBox("txtHrs", QStringLiteral("00"), this);
    m_minutes = numberBox("txtMin", QStringLiteral("00"), this);

    m_agitation = new QComboBox(this);
    m_agitation->setObjectName(QStringLiteral("cbAgit"));

    m_pause = new QCheckBox(tr("Pause"), this);
    m_pause->setObjectName(QStringLiteral("chkPause"));

    auto *heater = new QGroupBox(tr("Heater/Cooler"), this);
    heater->setObjectName(QStringLiteral("frameHeater"));
    m_heaterOff = new QRadioButton(tr("Off"), heater);
    m_heaterOff->setObjectName(QStringLiteral("opt_0"));
    m_heaterOn = new QRadioButton(tr("On"), heater);
    m_heaterOn->setObjectName(QStringLiteral("opt_1"));
    auto *options = new QButtonGroup(heater);
    options->addButton(m_heaterOff, 0);
    options->addButton(m_heaterOn, 1);
    m_heaterOff->setChecked(true);
    m_degrees = numberBox("txtDeg", QStringLiteral("--"), heater);
    m_degrees->setEnabled(false);

    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);

    auto *heaterRow = new QHBoxLayout(heater);
    heaterRow->addWidget(m_heaterOff);
    heaterRow->addWidget(m_heaterOn);
    heaterRow->addWidget(m_degrees);
    heaterRow->addWidget(new QLabel(QStringLiteral("\u00B0C"), heater));
    heaterRow->addStretch();

    auto *timeRow = new QHBoxLayout;
    timeRow->addWidget(new QLabel(tr("Time:"), this));
    timeRow->addWidget(m_hours);
    timeRow->addWidget(new QLabel(tr("h"), this));
    timeRow->addWidget(m_minutes);
    timeRow->addWidget(new QLabel(tr("min"), this));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_reagents, 0, 0);
    grid->addLayout(timeRow, 0, 1);
    grid->addWidget(m_agitation, 0, 2);
    grid->addWidget(heater, 1, 0);
    grid->addWidget(m_pause, 1, 1, Qt::AlignCenter);
    grid->addWidget(m_ok, 1, 2);
    grid->setColumnStretch(0, 1);

    setUpAccessibility();

    connect(m_heaterOn, &QRadioButton::toggled, this, &VialEditor::heaterSwitched);
    connect(m_ok, &QPushButton::clicked, this, &VialEditor::okClicked);
}

void VialEditor::fillReagents(const ReagentTable &reagents)
{
    QStringList lines;
    lines.reserve(reagentCount);
    for (int r = 1; r <= reagentCount; ++r)
        lines.append(reagentComboLine(r, reagents[r]));
    m_reagents->clear();
    m_reagents->addItems(lines);
}

void VialEditor::fillAgitation()
{
    m_agitation->addItems(agitationTexts());
}

void VialEditor::heaterSwitched(bool on)
{
    m_degrees->setEnabled(on);
    if (!on)
        showWholeText(m_degrees, QStringLiteral("--"), typedDigits);
}

void VialEditor::load(const VialStep &vial)
{
    m_reagents->setCurrentIndex(vial.reagent - 1);
    showWholeText(m_hours, QString::number(vial.hrs), typedDigits);
    showWholeText(m_minutes, twoDigits(vial.min), typedDigits);
    m_agitation->setCurrentIndex(vial.agit);
    m_pause->setChecked(vial.pause == 1);
    if (vial.temp != 0) {
        m_heaterOn->setChecked(true);
        showWholeText(m_degrees, QString::number(vial.temp), typedDigits);
    } else {
        m_heaterOff->setChecked(true);
        heaterSwitched(false);
    }
}

VialStep VialEditor::edited(const VialStep &stored) const
{
    VialStep vial = stored;
    if (m_reagents->currentIndex() >= 0)
        vial.reagent = m_reagents->currentIndex() + 1;
    vial.hrs = wholeNumberValue(m_hours->text());
    vial.min = clampNumber(m_minutes->text(), minutesRange.lowest, minutesRange.highest);
    if (m_agitation->currentIndex() >= 0)
        vial.agit = m_agitation->currentIndex();
    vial.pause = m_pause->isChecked() ? 1 : 0;
    vial.temp = m_heaterOff->isChecked()
        ? heaterOff
        : clampNumber(m_degrees->text(), temperatureRange.lowest, temperatureRange.highest);
    return vial;
}

QWidget *VialEditor::firstField() const
{
    return m_reagents;
}

void VialEditor::setUpAccessibility()
{
    // Screen readers on Linux announce a drop-down by its current item, so its
    // description says what it chooses.
    m_reagents->setAccessibleName(tr("Reagent of the vial"));
    m_reagents->setAccessibleDescription(tr("Reagent of the vial"));
    m_hours->setAccessibleName(tr("Hours"));
    m_hours->setAccessibleDescription(tr("0 to 99"));
    m_minutes->setAccessibleName(tr("Minutes"));
    m_minutes->setAccessibleDescription(tr("0 to 59"));
    m_agitation->setAccessibleName(tr("Agitation"));
    m_agitation->setAccessibleDescription(tr("Agitation"));
    m_heaterOff->setAccessibleName(tr("Heater/Cooler off"));
    m_heaterOn->setAccessibleName(tr("Heater/Cooler on"));
    m_degrees->setAccessibleName(tr("Temperature in °C"));
    m_degrees->setAccessibleDescription(tr("4 to 60, while the heater/cooler is on"));
    m_pause->setAccessibleName(tr("Pause"));
    m_ok->setAccessibleName(tr("Ok, store the vial"));

    const QList<QWidget *> order{m_reagents, m_hours, m_minutes, m_agitation, m_heaterOff,
                                 m_heaterOn, m_degrees, m_pause, m_ok};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

} // namespace corvex
