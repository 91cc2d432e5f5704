// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Desktop notifications on the session bus, and what the desktop tells about the user's
// attention. This file provides:
//  - QtNotifier::notify / withdraw: org.freedesktop.Notifications Notify and CloseNotification,
//    one notification per key, replaced while it is shown;
//  - QtNotifier::onClicked: the default action of a notification of ours, with its key;
//  - QtNotifier::attention: whether the toy's window is minimised or wholly covered (the window
//    is not exposed), whether a full-screen window is active on the toy's screen (X11's
//    _NET_ACTIVE_WINDOW and _NET_WM_STATE_FULLSCREEN), and the server's "Inhibited" property.
// Without a session bus or a notification server nothing is sent, and that is said once.
#include "platform/Services.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <map>
#include <optional>

class QDBusPendingCallWatcher;
class QDBusMessage;
class QWidget;

class QtNotifier : public QObject, public Notifier {
    Q_OBJECT
public:
    QtNotifier();
    void notify(int key, const Notice& notice) override;
    void withdraw(int key) override;
    DesktopAttention attention() const override;
    void setDeviceWidget(QWidget* widget) { device = widget; }
    std::function<void(int key)> onClicked;

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&);

private:
    // One key's notification: its id once the server has answered, and what waits for that answer.
    struct Slot {
        uint id = 0;
        bool pending = false;          // a Notify is on its way
        std::optional<Notice> waiting; // sent once the pending Notify is answered
        bool withdrawn = false;        // close as soon as the id is known
    };
    void send(int key, const Notice& notice);
    void sent(int key, QDBusPendingCallWatcher* watcher);
    void askInhibited();
    void tellOnce(const QString& why);
    bool fullScreenActive() const;

    QDBusConnection bus;
    std::map<int, Slot> byKey;
    QWidget* device = nullptr;
    bool inhibited = false;
    bool told = false;
    // The desktop's answers are kept a moment: a call's beeps ask for them every few ticks.
    mutable QElapsedTimer asked;
    mutable DesktopAttention last;
};
