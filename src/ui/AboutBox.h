#pragma once

#include <QString>

class QWidget;

// The about box: the product name as its title, and as its text the name
// with the version, the legal notice and the comments line.
QString ProductName();
QString AboutText();
void ShowAboutBox(QWidget *parent);
