#pragma once

#include <QString>

class QWidget;

namespace corvex {

// The about box: the product name as its title, and as its text the name
// with the version, the legal notice and the comments line.
QString productName();
QString aboutText();
void showAboutBox(QWidget *parent);

} // namespace corvex
