#include "app/WindowPlacement.h"

#include "model/ListTexts.h"
#include "model/UserSettings.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <optional>

namespace {

std::optional<double> StoredTwips(const char *key)
{
    if (!HasUserSetting(key))
        return std::nullopt;
    bool ok = false;
    const double twips = ReadUserSetting(key).toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(twips))
        return std::nullopt;
    return twips;
}

QRect ScreenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

QRect FitFormToScreen(QRect window, const QRect &screen)
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

void PlaceFromSettings(QWidget *window)
{
    const QRect screen = ScreenArea(window);
    const QSize size = window->frameGeometry().size();
    const std::optional<double> top = StoredTwips(UserSetting::MainTop);
    const std::optional<double> left = StoredTwips(UserSetting::MainLeft);
    QRect placed(QPoint(left ? twipsToPixels(*left, window->logicalDpiX())
                             : screen.left() + (screen.width() - size.width()) / 2,
                        top ? twipsToPixels(*top, window->logicalDpiY())
                            : screen.top() + (screen.height() - size.height()) / 2),
                 size);
    placed = FitFormToScreen(placed, screen);
    if (placed.size() != size)
        window->resize(window->size() - (size - placed.size()));
    window->move(placed.topLeft());
}

void KeepOnScreen(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect fitted = FitFormToScreen(frame, ScreenArea(window));
    if (fitted.size() != frame.size())
        window->resize(window->size() - (frame.size() - fitted.size()));
    if (fitted.topLeft() != frame.topLeft())
        window->move(fitted.topLeft());
}

void SavePlacement(const QWidget *window)
{
    if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QPoint position = window->pos();
    const StoreResult saved = WriteUserSettings({
        {UserSetting::MainTop, QString::number(static_cast<float>(pixelsToTwips(position.y(), window->logicalDpiY())))},
        {UserSetting::MainLeft, QString::number(static_cast<float>(pixelsToTwips(position.x(), window->logicalDpiX())))},
    });
    if (!saved)
        QMessageBox::warning(nullptr, utilityTitle(), saved.error);
}
