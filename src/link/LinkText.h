#pragma once

#include <QCoreApplication>

namespace corvex {

// The port's messages, in the window's language once it has installed a
// translation; corvexctl installs none, so its output stays English.
class LinkText
{
    Q_DECLARE_TR_FUNCTIONS(LinkText)
};

} // namespace corvex
