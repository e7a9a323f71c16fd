#pragma once

#include <QScrollBar>

namespace corvex {

// A vertical scroll bar used as a spin: its up arrow (and the Up key, and the
// wheel turned up) increases the value, the reverse of a scroll bar's own
// direction. Read and set the spin value only through spinValue().
class SpinBar : public QScrollBar
{
    Q_OBJECT

public:
    SpinBar(int minimum, int maximum, QWidget *parent = nullptr);

    int spinValue() const;
    // Emits spinValueChanged when the value really changes.
    void setSpinValue(int value);

    // One press of the up or the down arrow.
    void stepUp() { triggerAction(SliderSingleStepSub); }
    void stepDown() { triggerAction(SliderSingleStepAdd); }

Q_SIGNALS:
    void spinValueChanged(int value);

private:
    int mirrored(int value) const { return minimum() + maximum() - value; }
};

} // namespace corvex
