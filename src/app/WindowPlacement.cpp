#include "WindowPlacement.h"

#include "ListTexts.h"
#include "Twips.h"
#include "UserSettings.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <optional>

namespace corvex {

namespace {

std::optional<double> storedTwips(const char *key)
{
    if (!hasUserSetting(key))
        return std::nullopt;
    bool ok = false;
    const double twips = readUserSetting(key).toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(twips))
        return std::nullopt;
    return twips;
}

QRect screenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

QRect fitFormToScreen(QRect window, const QRect &screen)
{
    if (window.height() > screen.height())
        window.setHeight(screen.height());
    if (window.width() > screen.width())
        window.setWidth(screen.width());
    if (window.top() < screen.top())
        window.moveTop(screen.top());
    if (window.top() > screen.bottom() + 1 - window.height())
        window.moveTop(screen.bottom() + 1 - window.height());
    if (window.left() < screen.left())
        window.moveLeft(screen.left());
    if (window.left() > screen.right() + 1 - window.width())
        window.moveLeft(screen.right() + 1 - window.width());
    return window;
}

void placeFromSettings(QWidget *window)
{
    const QRect screen = screenArea(window);
    const QSize size = window->frameGeometry().size();
    const std::optional<double> top = storedTwips(UserSetting::mainTop);
    const std::optional<double> left = storedTwips(UserSetting::mainLeft);
    QRect placed(QPoint(left ? twipsToPixels(*left, window->logicalDpiX())
                             : screen.left() + (screen.width() - size.width()) / 2,
                        top ? twipsToPixels(*top, window->logicalDpiY())
                            : screen.top() + (screen.height() - size.height()) / 2),
                 size);
    placed = fitFormToScreen(placed, screen);
    if (placed.size() != size)
        window->resize(window->size() - (size - placed.size()));
    window->move(placed.topLeft());
}

void keepOnScreen(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect fitted = fitFormToScreen(frame, screenArea(window));
    if (fitted.size() != frame.size())
        window->resize(window->size() - (frame.size() - fitted.size()));
    if (fitted.topLeft() != frame.topLeft())
        window->move(fitted.topLeft());
}

void savePlacement(const QWidget *window)
{
    if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QPoint position = window->pos();
    const StoreResult saved = writeUserSettings({
        {UserSetting::mainTop, QString::number(static_cast<float>(pixelsToTwips(position.y(), window->logicalDpiY())))},
        {UserSetting::mainLeft, QString::number(static_cast<float>(pixelsToTwips(position.x(), window->logicalDpiX())))},
    });
    if (!saved)
        QMessageBox::warning(nullptr, utilityTitle(), saved.error);
}

} // namespace corvex
