#include "editor/NameBox.h"

#include "model/Cp1252.h"
#include "model/Limits.h"

#include <QLineEdit>

#include <algorithm>

QValidator::State Cp1252NameValidator::validate(QString &input, int &) const
{
    const bool representable = std::all_of(input.cbegin(), input.cend(), [](QChar c) {
        return IsCp1252Representable(c);
    });
    return representable && input.size() <= NameLength ? Acceptable : Invalid;
}

void MakeNameBox(QLineEdit *box)
{
    box->setMaxLength(NameLength);
    box->setValidator(new Cp1252NameValidator(box));
}
