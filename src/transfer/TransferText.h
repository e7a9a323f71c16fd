#pragma once

#include <QCoreApplication>

namespace corvex {

// The transfer layer's messages, in the window's language once it has installed a
// translation; corvexctl installs none, so its output stays English.
class TransferText
{
    Q_DECLARE_TR_FUNCTIONS(TransferText)
};

} // namespace corvex
