// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/PulseConnection.h"

#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

// What the toy keeps for a server that does not read: every wave file of the program folder and
// a few sounds' requests fit many times over, and a server that is that far behind is stalled.
constexpr size_t MostUnsent = 1024 * 1024;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

PulseConnection::~PulseConnection() {
    close();
}

bool PulseConnection::open(const std::string& path, const std::string& cookie,
                           const PulseProperties& client) {
    close();
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof where.sun_path) return false;
    std::memcpy(where.sun_path, path.data(), path.size());
    socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0) return false;
    // A unix socket connects at once or not at all: a server too busy to take connections
    // (EAGAIN) counts as missing, and is tried again at a later sound.
    if (::connect(socket, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        ::close(socket);
        socket = -1;
        return false;
    }
    state = State::Introducing;
    reader = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    QObject::connect(reader.get(), &QSocketNotifier::activated, &guard, [this] { readable(); });
    writer = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
    writer->setEnabled(false);
    QObject::connect(writer.get(), &QSocketNotifier::activated, &guard, [this] { flush(); });

    // The protocol version without the flags that would offer shared memory: every sample goes
    // through the socket, which for a few short sounds costs nothing worth a shared pool.
    std::string key = cookie;
    key.resize(PulseCookieLength, '\0');
    TagWriter auth;
    auth.u32(PulseProtocolVersion).arbitrary(key);
    const uint32_t authTag = nextTag++;
    answers[authTag] = [this, client](TagReader* reply) {
        if (!reply) return fail();
        TagWriter name;
        name.properties(client);
        const uint32_t nameTag = nextTag++;
        answers[nameTag] = [this](TagReader* named) {
            if (!named) return fail();
            state = State::Ready;
            if (ready) ready();
        };
        queue(commandFrame(PulseCommand::SetClientName, nameTag, name));
    };
    queue(commandFrame(PulseCommand::Auth, authTag, auth));
    return true;
}

void PulseConnection::dropNotifiers() {
    // A notifier may be the one whose signal is running: it goes once control is back in the loop.
    for (auto* notifier : {&reader, &writer})
        if (*notifier) {
            (*notifier)->setEnabled(false);
            QObject::disconnect(notifier->get(), nullptr, &guard, nullptr);
            notifier->release()->deleteLater();
        }
}

void PulseConnection::close() {
    ++generation;
    dropNotifiers();
    if (socket >= 0) ::close(socket);
    socket = -1;
    state = State::Closed;
    frames.clear();
    outgoing.clear();
    written = 0;
    answers.clear();
}

void PulseConnection::fail() {
    if (state == State::Closed || state == State::Failed) return;
    dropNotifiers();
    ::close(socket);
    socket = -1;
    state = State::Failed;
    answers.clear();
    const uint64_t failed = generation;
    QTimer::singleShot(0, &guard, [this, failed] {
        if (generation != failed || state != State::Failed) return;
        close();
        if (lost) lost();
    });
}

bool PulseConnection::send(PulseCommand command, const TagWriter& body, Answer answer) {
    if (state != State::Ready) return false;
    const uint32_t tag = nextTag++;
    if (!queue(commandFrame(command, tag, body))) return false;
    if (answer) answers[tag] = std::move(answer);
    return true;
}

bool PulseConnection::sendData(uint32_t channel, std::string_view samples) {
    return state == State::Ready && queue(dataFrame(channel, samples));
}

bool PulseConnection::queue(std::string frame) {
    if (unsent() + frame.size() > MostUnsent) return false;
    if (written > 0) {
        outgoing.erase(0, written);
        written = 0;
    }
    outgoing += frame;
    flush();
    return true;
}

void PulseConnection::flush() {
    while (socket >= 0 && written < outgoing.size()) {
        const ssize_t sent =
            ::send(socket, outgoing.data() + written, outgoing.size() - written, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            written += static_cast<size_t>(sent);
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        } else {
            return fail();
        }
    }
    if (written == outgoing.size()) {
        // An upload's pieces leave the buffer large; the toy keeps no more than a request needs.
        if (outgoing.capacity() > 4096)
            std::string().swap(outgoing);
        else
            outgoing.clear();
        written = 0;
    }
    // Watched for room only while something waits to be written: a silent toy never wakes for it.
    if (writer) writer->setEnabled(written < outgoing.size());
}

void PulseConnection::readable() {
    char bytes[16384];
    for (;;) {
        const ssize_t got = ::recv(socket, bytes, sizeof bytes, MSG_DONTWAIT);
        if (got > 0) {
            frames.feed(std::string_view(bytes, static_cast<size_t>(got)));
            if (static_cast<size_t>(got) < sizeof bytes) break;
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        } else {
            return fail(); // ended by the server, or broken
        }
    }
    // An answer may close the connection, or open a new one: the frames left are then stale.
    const uint64_t now = generation;
    while (auto frame = frames.next()) {
        dispatch(*frame);
        if (generation != now || state == State::Failed || state == State::Closed) return;
    }
    if (frames.broken()) fail();
}

void PulseConnection::dispatch(const PulseFrame& frame) {
    // Samples are only ever sent, never received: a frame on another channel is left unread.
    if (frame.channel != PulseControlChannel) return;
    TagReader body(frame.payload);
    const auto message = readMessage(body);
    if (!message) return fail();
    const auto command = static_cast<PulseCommand>(message->command);
    // Anything else is an event the toy never asked to hear of.
    if (command != PulseCommand::Reply && command != PulseCommand::Error) return;
    auto found = answers.find(message->tag);
    if (found == answers.end()) return;
    Answer answer = std::move(found->second);
    answers.erase(found);
    if (answer) answer(command == PulseCommand::Reply ? &body : nullptr);
}

std::string pulseSocketPath() {
    // The first of the servers listed that is a unix socket; the toy speaks to no other kind.
    const std::string listed = environment("PULSE_SERVER");
    if (!listed.empty()) {
        size_t at = 0;
        while (at < listed.size()) {
            const size_t end = std::min(listed.find(' ', at), listed.size());
            std::string entry = listed.substr(at, end - at);
            at = end + 1;
            if (entry.rfind("unix:", 0) == 0) entry.erase(0, 5);
            if (!entry.empty() && entry.front() == '/') return entry;
        }
        return "";
    }
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    return runtime.empty() ? "" : runtime + "/pulse/native";
}

std::string pulseCookie() {
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() && !environment("HOME").empty()) config = environment("HOME") + "/.config";
    for (const std::string& path :
         {environment("PULSE_COOKIE"), config.empty() ? "" : config + "/pulse/cookie"}) {
        if (path.empty()) continue;
        std::ifstream file(path, std::ios::binary);
        std::string cookie(PulseCookieLength, '\0');
        if (file.read(cookie.data(), static_cast<std::streamsize>(cookie.size()))) return cookie;
    }
    // A server that lets anyone in takes no key; one that wants a key refuses the zeros.
    return std::string(PulseCookieLength, '\0');
}
