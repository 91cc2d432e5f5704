#include "platform/qt/FrontRequest.h"

#include <QLocalSocket>
#include <QStandardPaths>

#include <cstdint>

namespace {

constexpr char Request[] = "front\n";
constexpr char Answer[] = "ok\n";

// FNV-1a: the same on every build, so an updated program still finds the one already running.
uint64_t stableHash(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

QString FrontRequest::address(const std::filesystem::path& settingsFolder, const std::string& petName) {
    // The runtime folder belongs to the user alone; where there is none, Qt's own fallback in /tmp
    // is made private to the user as well.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const uint64_t hash = stableHash(settingsFolder.string() + '\n' + petName);
    return folder + "/pipling-" + QString::number(static_cast<qulonglong>(hash), 16);
}

FrontRequest::FrontRequest(const std::filesystem::path& settingsFolder, const std::string& petName,
                           std::function<void()> handler)
    : handler(std::move(handler)) {
    const QString name = address(settingsFolder, petName);
    // The pet's lock is held, so a socket left at this address is a killed program's.
    QLocalServer::removeServer(name);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    server.listen(name);
    QObject::connect(&server, &QLocalServer::newConnection, &server, [this] { answer(); });
}

void FrontRequest::answer() {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) return;
            const bool front = socket->readLine(64) == Request;
            if (front) handler();
            socket->write(front ? Answer : "?\n");
            socket->disconnectFromServer();
        });
    }
}

bool FrontRequest::ask(const std::filesystem::path& settingsFolder, const std::string& petName,
                       int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(address(settingsFolder, petName));
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(Request);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    return socket.readLine(64) == Answer;
}
