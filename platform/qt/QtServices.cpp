// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtServices.h"

#include "platform/qt/common/QtPicture.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include <ctime>
#include <optional>

// QTime::currentTime has the C library look at the time-zone file again on every call, a file
// system lookup on every wake-up of a toy that wakes all day. The zone's rules, daylight saving
// included, stay loaded between calls; the file is looked at again once a minute, so a change of
// the system's zone shows within a minute.
QtClock::QtClock()
    : NominalClock([zoneReadAt = std::optional<time_t>()]() mutable {
          timespec now{};
          clock_gettime(CLOCK_REALTIME, &now);
          if (!zoneReadAt || now.tv_sec < *zoneReadAt || now.tv_sec - *zoneReadAt >= 60) {
              tzset();
              zoneReadAt = now.tv_sec;
          }
          tm local{};
          localtime_r(&now.tv_sec, &local);
          return ((local.tm_hour * int64_t{60} + local.tm_min) * 60 + local.tm_sec) * 1000 +
                 now.tv_nsec / 1'000'000;
      }) {}

QtTray::QtTray(std::function<PictureHandle()> windowIcon) : windowIcon(std::move(windowIcon)) {}

QIcon QtTray::programIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 60, 110), 2));
    painter.setBrush(QColor(120, 190, 240));
    painter.drawEllipse(QRectF(5, 2, 22, 28));
    painter.setBrush(QColor(210, 230, 190));
    painter.drawRoundedRect(QRectF(10, 9, 12, 10), 2, 2);
    return QIcon(pixmap);
}

bool QtTray::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable() || qEnvironmentVariableIsSet("PIPLING_FORCE_TRAY");
}

void QtTray::apply(const PictureHandle& icon, const std::string& tip) {
    // The window's icon where the tray has none of its own to show, and never a blank one.
    const PictureHandle shown = icon ? icon : (windowIcon ? windowIcon() : nullptr);
    const auto* picture = dynamic_cast<const QtPicture*>(shown.get());
    tray->setIcon(picture ? QIcon(QPixmap::fromImage(picture->image)) : programIcon());
    tray->setToolTip(QString::fromStdString(tip));
    shownIcon = icon;
    shownTip = tip;
}

void QtTray::add(const PictureHandle& icon, const std::string& tip) {
    // Made and shown even while no notification area exists (a toy started before its panel):
    // Qt then watches for the tray's selection owner and embeds the icon when a tray appears, as
    // it does again when a tray restarts. Until then available() says there is none, and hiding
    // minimises the toy instead. Only X tells of a tray that appears; elsewhere there is nothing
    // to wait for.
    if (!available() && QGuiApplication::platformName() != QLatin1String("xcb")) return;
    tray = std::make_unique<QSystemTrayIcon>();
    QObject::connect(tray.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (onActivated) onActivated(reason);
                     });
    apply(icon, tip);
    tray->show();
}

void QtTray::modify(const PictureHandle& icon, const std::string& tip) {
    if (tray && (icon != shownIcon || tip != shownTip)) apply(icon, tip);
}

void QtTray::remove() {
    tray.reset();
}

int QtDesktop::screenWidth() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() * 15 : 28800;
}

int QtDesktop::screenHeight() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().height() * 15 : 16200;
}

// All screens together, in the same logical pixels as window positions.
int QtDesktop::desktopRight() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return screenWidth();
    const QRect all = screen->availableVirtualGeometry();
    return (all.x() + all.width()) * 15;
}

int QtDesktop::desktopBottom() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return screenHeight();
    const QRect all = screen->availableVirtualGeometry();
    return (all.y() + all.height()) * 15;
}

void QtDesktop::setPointer(Pointer pointer) {
    bool wait = pointer == Pointer::Wait;
    if (wait == waitShown) return;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    waitShown = wait;
}

void QtDesktop::processEvents() {
    QCoreApplication::processEvents();
}

namespace {

void addItems(QMenu& menu, const PopupMenuEntry& parent) {
    for (const PopupMenuEntry& item : parent.children) {
        if (!item.visible) continue;
        if (item.isSeparator()) {
            menu.addSeparator();
            continue;
        }
        if (!item.children.empty()) {
            QMenu* sub = menu.addMenu(QString::fromStdString(item.caption));
            sub->setEnabled(item.enabled);
            addItems(*sub, item);
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(item.caption));
        action->setData(item.id);
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
}

} // namespace

std::optional<int> QtDesktop::popupMenu(const PopupMenuEntry& root) {
    QMenu menu;
    addItems(menu, root);
    QAction* chosen = menu.exec(QCursor::pos());
    if (!chosen) return std::nullopt;
    return chosen->data().toInt();
}

void QtDesktop::focusDevice() {
    if (device) {
        device->activateWindow();
        device->setFocus();
    }
}

void QtDesktop::openLink(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}
