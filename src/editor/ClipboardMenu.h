#pragma once

#include <QString>

#include <functional>

class QAbstractItemView;
class QAction;
class QMenu;

namespace corvex {

// Object names of a list's pop-up menu and of its three entries.
struct ClipboardMenuNames
{
    QString title;
    const char *menu;
    const char *copy;
    const char *paste;
    const char *remove;
};

// The pop-up menu of a list with "&Copy", "&Paste" (disabled until enabled
// by a copy) and "&Delete". It opens where the right mouse button is released
// over the list; the right button leaves the selection alone, so the menu acts
// on the line selected before. The context-menu key (Menu, Shift+F10) opens it
// at the selected line. Returns the paste entry.
QAction *attachClipboardMenu(QAbstractItemView *list, const ClipboardMenuNames &names, std::function<void()> copy,
                             std::function<void()> paste, std::function<void()> remove);

// The pop-up menu attached to `list`. While it is disabled it does not open.
QMenu *clipboardMenuOf(const QAbstractItemView *list);

} // namespace corvex
