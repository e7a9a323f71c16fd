#pragma once

#include "ReagentTable.h"
#include "VialStep.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvex {

// The frame "Edit Vial": a view of one vial. load() fills the fields from a
// vial; edited() reads them back, clamped, when Ok is pressed. Editing the
// fields changes nothing until then.
class VialEditor : public QGroupBox
{
    Q_OBJECT

public:
    explicit VialEditor(QWidget *parent = nullptr);

    // The drop-down of reagents, one item per reagent, item r - 1 = reagent r.
    void fillReagents(const ReagentTable &reagents);
    void fillAgitation();

    void load(const VialStep &vial);
    // The vial as the fields describe it. A field that shows no valid choice
    // (a reagent or agitation code beyond the lists) keeps the value of `stored`.
    VialStep edited(const VialStep &stored) const;

    // The field that Tab and Enter on a vial line go to first.
    QWidget *firstField() const;

    QPushButton *okButton() const { return m_ok; }

signals:
    void okClicked();

private:
    void heaterSwitched(bool on);
    // Names for screen readers and the Tab order, row by row.
    void setUpAccessibility();

    QComboBox *m_reagents = nullptr;
    QLineEdit *m_hours = nullptr;
    QLineEdit *m_minutes = nullptr;
    QComboBox *m_agitation = nullptr;
    QCheckBox *m_pause = nullptr;
    QRadioButton *m_heaterOff = nullptr;
    QRadioButton *m_heaterOn = nullptr;
    QLineEdit *m_degrees = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace corvex
