#pragma once

#include <QCoreApplication>

namespace corvex {

// The messages of the store, file and program checks, in the window's language once it has installed a
// translation; corvexctl installs none, so its output stays English.
class ModelText
{
    Q_DECLARE_TR_FUNCTIONS(ModelText)
};

} // namespace corvex
