#include "ClipboardMenu.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace corvex {

namespace {

class RightButtonOpensMenu : public QObject
{
public:
    RightButtonOpensMenu(QMenu *menu, QObject *parent)
        : QObject(parent)
        , m_menu(menu)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        const bool release = event->type() == QEvent::MouseButtonRelease;
        if (!press && !release)
            return QObject::eventFilter(watched, event);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        if (release && m_menu->isEnabled())
            m_menu->popup(mouse->globalPosition().toPoint());
        return true;
    }

private:
    QMenu *m_menu = nullptr;
};

class MenuKeyOpensMenu : public QObject
{
public:
    MenuKeyOpensMenu(QMenu *menu, QAbstractItemView *list)
        : QObject(list)
        , m_menu(menu)
        , m_list(list)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool menuKey = (key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
            || (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
        if (!menuKey)
            return false;
        if (m_menu->isEnabled()) {
            const QRect line = m_list->visualRect(m_list->currentIndex());
            const QPoint at = line.isValid() ? line.center() : m_list->viewport()->rect().topLeft();
            m_menu->popup(m_list->viewport()->mapToGlobal(at));
        }
        return true;
    }

private:
    QMenu *m_menu = nullptr;
    QAbstractItemView *m_list = nullptr;
};

QAction *addEntry(QMenu *menu, const QString &caption, const char *name, std::function<void()> slot)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, menu, std::move(slot));
    return action;
}

} // namespace

QAction *attachClipboardMenu(QAbstractItemView *list, const ClipboardMenuNames &names, std::function<void()> copy,
                             std::function<void()> paste, std::function<void()> remove)
{
    auto *menu = new QMenu(names.title, list);
    menu->setObjectName(QLatin1String(names.menu));
    addEntry(menu, QCoreApplication::translate("ClipboardMenu", "&Copy"), names.copy, std::move(copy));
    QAction *pasteEntry =
        addEntry(menu, QCoreApplication::translate("ClipboardMenu", "&Paste"), names.paste, std::move(paste));
    pasteEntry->setEnabled(false);
    addEntry(menu, QCoreApplication::translate("ClipboardMenu", "&Delete"), names.remove, std::move(remove));
    list->viewport()->installEventFilter(new RightButtonOpensMenu(menu, list));
    list->installEventFilter(new MenuKeyOpensMenu(menu, list));
    return pasteEntry;
}

QMenu *clipboardMenuOf(const QAbstractItemView *list)
{
    return list->findChild<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace corvex
