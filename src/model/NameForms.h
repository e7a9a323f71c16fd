#pragma once

#include <QByteArray>

namespace corvex {

// Names are held in a 13-character storage form and shown in a display form;
// leading spaces stay in both forms.

// The storage form: right-padded with spaces to exactly 13 characters, or cut
// to the first 13.
QByteArray nameForStorage(const QByteArray &name);

// The display form: the trailing spaces removed.
QByteArray nameForDisplay(const QByteArray &name);

// Blank as the store sees a name: nothing but spaces up to the first NUL byte.
bool isBlankName(const QByteArray &name);

} // namespace corvex
