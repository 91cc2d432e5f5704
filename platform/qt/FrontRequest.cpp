// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/FrontRequest.h"

#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char Request[] = "front\n";
constexpr char Answer[] = "ok\n";
// Longer than any request: a caller that sends more without a line end is not one of ours.
constexpr size_t MaxLine = 64;

// FNV-1a: the same on every build, so an updated program still finds the one already running.
uint64_t stableHash(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// False when the path does not fit a socket address (a very deep runtime folder).
bool socketAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

int localSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

void sendAll(int socket, const char* text) {
    // The answers are a few bytes to a peer that is waiting for them; a peer that went away or
    // does not read only loses its answer.
    (void)!::send(socket, text, std::strlen(text), MSG_NOSIGNAL | MSG_DONTWAIT);
}

// Waits until the socket can be read, at most until the deadline; false on timeout or error.
bool waitReadable(int socket, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd watched{socket, POLLIN, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
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
    : path(address(settingsFolder, petName).toStdString()), handler(std::move(handler)) {
    sockaddr_un where;
    if (!socketAddress(path, where)) return;
    socket = localSocket();
    if (socket < 0) return;
    // The pet's lock is held, so a socket left at this address is a killed program's.
    ::unlink(path.c_str());
    // Only the user may ask: the socket is made without rights for anyone else.
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(socket, reinterpret_cast<const sockaddr*>(&where), sizeof where) == 0;
    ::umask(mask);
    if (!bound || ::listen(socket, 4) != 0) {
        ::close(socket);
        socket = -1;
        return;
    }
    ::fcntl(socket, F_SETFL, ::fcntl(socket, F_GETFL) | O_NONBLOCK);
    listener = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    QObject::connect(listener.get(), &QSocketNotifier::activated, listener.get(), [this] { accept(); });
}

FrontRequest::~FrontRequest() {
    for (const auto& caller : callers) {
        caller->readable.reset();
        ::close(caller->socket);
    }
    if (socket < 0) return;
    listener.reset();
    ::close(socket);
    ::unlink(path.c_str());
}

void FrontRequest::accept() {
    for (;;) {
        const int accepted = ::accept4(socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (accepted < 0) return;
        auto caller = std::make_unique<Caller>();
        caller->socket = accepted;
        caller->readable = std::make_unique<QSocketNotifier>(accepted, QSocketNotifier::Read);
        Caller& added = *caller;
        QObject::connect(caller->readable.get(), &QSocketNotifier::activated, caller->readable.get(),
                         [this, &added] { read(added); });
        callers.push_back(std::move(caller));
    }
}

void FrontRequest::read(Caller& caller) {
    char buffer[MaxLine];
    const ssize_t got = ::recv(caller.socket, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got <= 0) return hangUp(caller);
    caller.received.append(buffer, static_cast<size_t>(got));
    const size_t end = caller.received.find('\n');
    if (end == std::string::npos && caller.received.size() < MaxLine) return;
    const bool front = end != std::string::npos && caller.received.substr(0, end + 1) == Request;
    if (front) handler();
    sendAll(caller.socket, front ? Answer : "?\n");
    hangUp(caller);
}

void FrontRequest::hangUp(const Caller& caller) {
    const auto found =
        std::find_if(callers.begin(), callers.end(), [&](const auto& held) { return held.get() == &caller; });
    if (found == callers.end()) return;
    // The notifier that called us goes after its signal returns, not inside it.
    (*found)->readable->setEnabled(false);
    (*found)->readable.release()->deleteLater();
    ::close((*found)->socket);
    callers.erase(found);
}

bool FrontRequest::ask(const std::filesystem::path& settingsFolder, const std::string& petName,
                       int timeoutMs) {
    sockaddr_un where;
    if (!socketAddress(address(settingsFolder, petName).toStdString(), where)) return false;
    const int socket = localSocket();
    if (socket < 0) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string answer;
    // A local connect is taken or refused at once; a program that listens but is still starting
    // answers once its event loop runs.
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&where), sizeof where) == 0 &&
        ::send(socket, Request, std::strlen(Request), MSG_NOSIGNAL) ==
            static_cast<ssize_t>(std::strlen(Request))) {
        while (answer.find('\n') == std::string::npos && answer.size() < MaxLine &&
               waitReadable(socket, deadline)) {
            char buffer[MaxLine];
            const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            answer.append(buffer, static_cast<size_t>(got));
        }
    }
    ::close(socket);
    return answer == Answer;
}
