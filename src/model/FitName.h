#pragma once

#include <QByteArray>

// Names are held in a 13-character storage form and shown in a display form.
// Storage form (displayForm false): right-padded with spaces to exactly 13
// characters, or cut to the first 13. Display form (displayForm true): the
// trailing spaces removed; leading spaces stay in both forms.
QByteArray FitName(const QByteArray &name, bool displayForm);

// Blank as the store sees a name: nothing but spaces up to the first NUL byte.
bool isBlankName(const QByteArray &name);
