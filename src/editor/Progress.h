#pragma once

#include <QString>

// "50%": the whole-number part of value / maximum * 100, followed by "%".
QString PercentText(int value, int maximum);
