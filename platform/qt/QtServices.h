// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real desktop's services. This file provides:
//  - QtClock: the local time of day; once the device window runs, the time of the period it runs;
//  - QtChance: a Mersenne Twister in [0, 1);
//  - QtTray: the notification-area icon (QSystemTrayIcon), reporting its clicks;
//  - QtDesktop: screen size, pointers, pending events, the pop-up menu (QMenu) and focus.
#include "platform/Services.h"
#include "platform/qt/common/TickScheduler.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>
#include <random>

class QWidget;

class QtClock : public NominalClock {
public:
    QtClock();
};

class QtChance : public Chance {
public:
    double next() override { return generator() / 4294967296.0; }
    void reseed(int seed) override { generator.seed(static_cast<uint32_t>(seed)); }

private:
    std::mt19937 generator;
};

class QtTray : public Tray {
public:
    // windowIcon: the device window's icon at the moment it is asked for (null: none yet).
    explicit QtTray(std::function<PictureHandle()> windowIcon);
    void add(const PictureHandle& icon, const std::string& tip) override;
    void modify(const PictureHandle& icon, const std::string& tip) override;
    void remove() override;
    bool available() const override;
    // Called with the tray's activation reason (double-click, context click).
    std::function<void(QSystemTrayIcon::ActivationReason)> onActivated;
    // The icon as the desktop has it, or null while there is none (no tray to show it in).
    const QSystemTrayIcon* shown() const { return available() ? tray.get() : nullptr; }
    // The program's own icon, for a window that has none: a small egg.
    static QIcon programIcon();

private:
    void apply(const PictureHandle& icon, const std::string& tip);
    std::function<PictureHandle()> windowIcon;
    std::unique_ptr<QSystemTrayIcon> tray;
    PictureHandle shownIcon;
    std::string shownTip;
};

class QtDesktop : public Desktop {
public:
    int screenWidth() const override;
    int screenHeight() const override;
    int desktopRight() const override;
    int desktopBottom() const override;
    void setPointer(Pointer pointer) override;
    void processEvents() override;
    std::optional<int> popupMenu(const PopupMenuEntry& root) override;
    void focusDevice() override;
    void openLink(const std::string& address) override;
    void setDeviceWidget(QWidget* widget) { device = widget; }

private:
    QWidget* device = nullptr;
    bool waitShown = false;
};
