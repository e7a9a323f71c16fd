#pragma once

#include <QValidator>

class QLineEdit;

// Names are stored as Windows-1252 bytes, at most 13 of them. A name box
// takes at most 13 characters and refuses any character the code page does
// not have, so that what is typed is exactly what is stored.
class Cp1252NameValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

void MakeNameBox(QLineEdit *box);
