#include "SpinBar.h"

namespace corvex {

SpinBar::SpinBar(int minimum, int maximum, QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(1);
    // The top of the bar is the largest spin value.
    setValue(maximum);
    connect(this, &QScrollBar::valueChanged, this, [this](int raw) { emit spinValueChanged(mirrored(raw)); });
}

int SpinBar::spinValue() const
{
    return mirrored(value());
}

void SpinBar::setSpinValue(int value)
{
    setValue(mirrored(value));
}

} // namespace corvex
