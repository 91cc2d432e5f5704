// SPDX-License-Identifier: GPL-3.0-or-later
// A notification server for tests, on whatever session bus DBUS_SESSION_BUS_ADDRESS names. It
// takes the name org.freedesktop.Notifications, writes one line to standard output for every
// notification it is sent or asked to close, and takes orders from the test on its own interface
// org.pipling.TestServer: Click(id) sends the default action of a notification as a user's click
// does, SetInhibited(on) changes its "Inhibited" property and says so.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>

#include <cstdio>

namespace {

const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// "WxH" of an image-data hint, or "none".
QString imageSize(const QVariant& hint) {
    if (!hint.canConvert<QDBusArgument>()) return QStringLiteral("none");
    const QDBusArgument argument = hint.value<QDBusArgument>();
    int width = 0, height = 0, stride = 0, bits = 0, channels = 0;
    bool alpha = false;
    QByteArray data;
    argument.beginStructure();
    argument >> width >> height >> stride >> alpha >> bits >> channels >> data;
    argument.endStructure();
    if (data.size() < stride * height || channels != 4 || bits != 8) return QStringLiteral("bad");
    return QStringLiteral("%1x%2").arg(width).arg(height);
}

class Server : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        const QList<QVariant> args = message.arguments();
        if (member == "Notify" && args.size() == 8) {
            uint id = args[1].toUInt();
            const bool replaces = id != 0;
            if (!replaces) id = ++lastId;
            const QVariantMap hints = qdbus_cast<QVariantMap>(args[6]);
            say(QStringLiteral(
                    "notify id=%1 replaces=%2 app=%3 summary=%4 body=%5 urgency=%6 image=%7 actions=%8")
                    .arg(id)
                    .arg(replaces ? 1 : 0)
                    .arg(args[0].toString(), args[3].toString(), args[4].toString())
                    .arg(hints.value("urgency").toInt())
                    .arg(imageSize(hints.value("image-data")), args[5].toStringList().join(',')));
            return connection.send(message.createReply(QVariant::fromValue(id)));
        }
        if (member == "CloseNotification" && args.size() == 1) {
            say(QStringLiteral("close id=%1").arg(args[0].toUInt()));
            connection.send(message.createReply());
            return closed(connection, args[0].toUInt(), 3);
        }
        if (member == "GetCapabilities")
            return connection.send(message.createReply(QStringList{"actions", "body"}));
        if (member == "GetServerInformation")
            return connection.send(message.createReply(QList<QVariant>{"test", "pipling", "1", "1.2"}));
        if (member == "Get" && args.size() == 2 && args[1].toString() == "Inhibited")
            return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(inhibited))));
        if (member == "Click" && args.size() == 1) {
            const uint id = args[0].toUInt();
            say(QStringLiteral("click id=%1").arg(id));
            QDBusMessage action = QDBusMessage::createSignal(Path, Interface, "ActionInvoked");
            action << id << QStringLiteral("default");
            connection.send(action);
            connection.send(message.createReply());
            return closed(connection, id, 2);
        }
        if (member == "SetInhibited" && args.size() == 1) {
            inhibited = args[0].toBool();
            say(QStringLiteral("inhibited=%1").arg(inhibited ? 1 : 0));
            QDBusMessage changed =
                QDBusMessage::createSignal(Path, "org.freedesktop.DBus.Properties", "PropertiesChanged");
            changed << Interface << QVariantMap{{"Inhibited", inhibited}} << QStringList();
            connection.send(changed);
            return connection.send(message.createReply());
        }
        return false;
    }

private:
    static bool closed(const QDBusConnection& connection, uint id, uint reason) {
        QDBusMessage signal = QDBusMessage::createSignal(Path, Interface, "NotificationClosed");
        signal << id << reason;
        return connection.send(signal);
    }
    uint lastId = 0;
    bool inhibited = false;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Server server;
    if (!bus.isConnected() || !bus.registerVirtualObject(Path, &server) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notify-server: cannot serve on the session bus\n");
        return 1;
    }
    say(QStringLiteral("ready"));
    return app.exec();
}
