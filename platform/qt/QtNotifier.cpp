// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtNotifier.h"
#include "platform/qt/common/QtPicture.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>

#ifdef PIPLING_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");

// The "image-data" hint: raw RGBA pixels, laid out as notification servers read them.
struct ImageData {
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ImageData& data) {
    const QImage& image = data.image;
    argument.beginStructure();
    argument << image.width() << image.height() << static_cast<int>(image.bytesPerLine()) << true << 8 << 4
             << QByteArray(reinterpret_cast<const char*>(image.constBits()),
                           static_cast<int>(image.sizeInBytes()));
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ImageData&) {
    return argument; // only ever sent
}

} // namespace

Q_DECLARE_METATYPE(ImageData)

QtNotifier::QtNotifier() : bus(QDBusConnection::sessionBus()) {
    qDBusRegisterMetaType<ImageData>();
    if (!bus.isConnected()) return;
    bus.connect(QString(), Path, Interface, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    bus.connect(QString(), Path, Interface, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
    bus.connect(QString(), Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    // A server that starts or ends later: what it holds back is asked anew, its ids are gone.
    auto* watcher = new QDBusServiceWatcher(Service, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
        inhibited = false;
        byKey.clear();
        askInhibited();
    });
    askInhibited();
}

void QtNotifier::tellOnce(const QString& why) {
    if (told) return;
    told = true;
    std::cerr << "pipling: no desktop notifications: " << why.toStdString() << '\n';
}

void QtNotifier::askInhibited() {
    QDBusMessage get = QDBusMessage::createMethodCall(
        Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << Interface << QStringLiteral("Inhibited");
    // Asking must not start a server of its own accord; Notify may.
    get.setAutoStartService(false);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        QDBusPendingReply<QDBusVariant> reply = *call;
        // Most servers have no such property: they are taken not to hold anything back.
        if (!reply.isError()) inhibited = reply.value().variant().toBool();
        call->deleteLater();
    });
}

void QtNotifier::propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&) {
    if (interface != Interface) return;
    if (auto it = changed.find(QStringLiteral("Inhibited")); it != changed.end()) inhibited = it->toBool();
}

void QtNotifier::notify(int key, const Notice& notice) {
    if (!bus.isConnected()) {
        tellOnce(QStringLiteral("there is no session bus"));
        return;
    }
    Slot& slot = byKey[key];
    slot.withdrawn = false;
    // Replacing needs the id of the first: until the server gives it, the newest notice waits.
    if (slot.pending)
        slot.waiting = notice;
    else
        send(key, notice);
}

void QtNotifier::send(int key, const Notice& notice) {
    Slot& slot = byKey[key];
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(notice.urgency)));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("pipling-simulator"));
    if (const auto* picture = dynamic_cast<const QtPicture*>(notice.icon.get());
        picture && !picture->image.isNull()) {
        // The pet's pixels, enlarged in whole steps so they stay sharp at the server's icon size.
        QImage image = picture->image.convertToFormat(QImage::Format_RGBA8888);
        const int scale = std::max(1, 96 / std::max(1, std::max(image.width(), image.height())));
        image = image.scaled(image.size() * scale, Qt::KeepAspectRatio, Qt::FastTransformation);
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(ImageData{image}));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    call << QStringLiteral("Pipling Simulator") << slot.id << QString()
         << QString::fromStdString(notice.summary) << QString::fromStdString(notice.body)
         << QStringList{QStringLiteral("default"), QStringLiteral("Show")} << hints << -1;
    slot.pending = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, key](QDBusPendingCallWatcher* done) { sent(key, done); });
}

void QtNotifier::sent(int key, QDBusPendingCallWatcher* watcher) {
    watcher->deleteLater();
    QDBusPendingReply<uint> reply = *watcher;
    Slot& slot = byKey[key];
    slot.pending = false;
    if (reply.isError()) {
        tellOnce(reply.error().message());
        slot.id = 0;
    } else {
        slot.id = reply.value();
    }
    if (slot.withdrawn) {
        withdraw(key);
    } else if (slot.waiting) {
        const Notice next = *slot.waiting;
        slot.waiting.reset();
        send(key, next);
    }
}

void QtNotifier::withdraw(int key) {
    auto it = byKey.find(key);
    if (it == byKey.end()) return;
    Slot& slot = it->second;
    slot.waiting.reset();
    if (slot.pending) {
        slot.withdrawn = true;
        return;
    }
    if (slot.id != 0) {
        QDBusMessage close =
            QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("CloseNotification"));
        close << slot.id;
        close.setAutoStartService(false);
        bus.asyncCall(close);
    }
    byKey.erase(it);
}

void QtNotifier::actionInvoked(uint id, const QString& action) {
    if (action != QStringLiteral("default")) return;
    for (const auto& [key, slot] : byKey)
        if (slot.id == id && id != 0) {
            if (onClicked) onClicked(key);
            return;
        }
}

void QtNotifier::notificationClosed(uint id, uint) {
    // Dismissed by the user or expired: a call raised again sends a new one.
    for (auto& [key, slot] : byKey)
        if (slot.id == id && !slot.pending) slot.id = 0;
}

DesktopAttention QtNotifier::attention() const {
    if (asked.isValid() && asked.elapsed() < 500) return last;
    asked.start();
    last = {};
    last.inhibited = inhibited;
    if (const QWindow* window = device ? device->windowHandle() : nullptr; window && window->isVisible()) {
        // A window the server no longer draws into: minimised, on another workspace, or, where
        // the server tells its windows so (X11 without a compositor), wholly covered.
        last.covered = !window->isExposed() || (window->windowStates() & Qt::WindowMinimized);
        last.fullScreen = fullScreenActive();
    }
    return last;
}

bool QtNotifier::fullScreenActive() const {
#ifdef PIPLING_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !device || !device->windowHandle()) return false;
    xcb_connection_t* connection = x11->connection();
    auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(strlen(name)), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
        free(reply);
        return result;
    };
    static const xcb_atom_t active = atom("_NET_ACTIVE_WINDOW");
    static const xcb_atom_t state = atom("_NET_WM_STATE");
    static const xcb_atom_t fullScreen = atom("_NET_WM_STATE_FULLSCREEN");
    if (active == XCB_ATOM_NONE || fullScreen == XCB_ATOM_NONE) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    auto windowProperty = [connection](xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
        return xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 32), nullptr);
    };
    xcb_get_property_reply_t* activeReply = windowProperty(root, active, XCB_ATOM_WINDOW);
    xcb_window_t activeWindow = XCB_WINDOW_NONE;
    if (activeReply && xcb_get_property_value_length(activeReply) >= 4)
        activeWindow = *static_cast<xcb_window_t*>(xcb_get_property_value(activeReply));
    free(activeReply);
    if (activeWindow == XCB_WINDOW_NONE || activeWindow == device->windowHandle()->winId()) return false;
    bool isFull = false;
    if (xcb_get_property_reply_t* states = windowProperty(activeWindow, state, XCB_ATOM_ATOM)) {
        const auto* atoms = static_cast<xcb_atom_t*>(xcb_get_property_value(states));
        const int count = xcb_get_property_value_length(states) / 4;
        for (int i = 0; i < count; ++i)
            isFull = isFull || atoms[i] == fullScreen;
        free(states);
    }
    if (!isFull) return false;
    // Only a full-screen window on the toy's own screen hides it.
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, activeWindow), nullptr);
    if (!geometry) return true;
    xcb_translate_coordinates_reply_t* place = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, activeWindow, root, 0, 0), nullptr);
    const QRect full(place ? place->dst_x : geometry->x, place ? place->dst_y : geometry->y, geometry->width,
                     geometry->height);
    free(place);
    free(geometry);
    const QScreen* screen = device->windowHandle()->screen();
    if (!screen) return true;
    const qreal ratio = screen->devicePixelRatio();
    const QRect own(screen->geometry().topLeft() * ratio, screen->geometry().size() * ratio);
    return full.intersects(own);
#else
    return false;
#endif
}
