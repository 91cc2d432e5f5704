// SPDX-License-Identifier: GPL-3.0-or-later
// The connection to the sound server against a server played by the test: it introduces the toy
// as the protocol wants, and whatever the other end sends, or however it stops reading, the
// connection neither waits nor reads beyond what came; a broken answer ends the connection.
#include "platform/qt/PulseConnection.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

// One listening socket and the one peer it accepted.
class FakeServer {
public:
    explicit FakeServer(const std::string& at) : path(at) {
        listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_un where{};
        where.sun_family = AF_UNIX;
        std::strncpy(where.sun_path, path.c_str(), sizeof where.sun_path - 1);
        ::unlink(path.c_str());
        EXPECT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&where), sizeof where), 0);
        EXPECT_EQ(::listen(listener, 4), 0);
    }
    ~FakeServer() {
        if (peer >= 0) ::close(peer);
        ::close(listener);
    }
    // The next whole frame the client sent, waiting up to a second for it.
    std::optional<PulseFrame> receive() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000) {
            if (peer < 0) peer = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK);
            char bytes[65536];
            const ssize_t got = peer >= 0 ? ::recv(peer, bytes, sizeof bytes, 0) : -1;
            if (got > 0) frames.feed(std::string_view(bytes, static_cast<size_t>(got)));
            if (auto frame = frames.next()) return frame;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return std::nullopt;
    }
    void send(const std::string& bytes) {
        ASSERT_EQ(::send(peer, bytes.data(), bytes.size(), 0), ssize_t(bytes.size()));
    }
    void hangUp() {
        ::close(peer);
        peer = -1;
    }

private:
    std::string path;
    int listener = -1;
    int peer = -1;
    FrameReader frames;
};

void runEvents(
    int milliseconds, const std::function<bool()>& until = [] { return false; }) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds && !until())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

class Connection : public testing::Test {
protected:
    void SetUp() override {
        connection.ready = [this] { ++readies; };
        connection.lost = [this] { ++losses; };
    }
    // Opens a connection to the fake server and answers its introduction.
    void introduce() {
        ASSERT_TRUE(connection.open(path, cookie, {{"application.name", "Pipling Simulator"}}));
        auto auth = server.receive();
        ASSERT_TRUE(auth);
        TagReader body(auth->payload);
        auto head = readMessage(body);
        ASSERT_TRUE(head);
        EXPECT_EQ(head->command, static_cast<uint32_t>(PulseCommand::Auth));
        EXPECT_EQ(body.u32(), PulseProtocolVersion) << "no shared memory offered";
        EXPECT_EQ(body.arbitrary(), cookie + std::string(PulseCookieLength - cookie.size(), '\0'));
        EXPECT_FALSE(connection.send(PulseCommand::PlaySample, TagWriter()))
            << "not before the name is taken";
        server.send(commandFrame(PulseCommand::Reply, head->tag, TagWriter().u32(PulseProtocolVersion)));
        auto name = server.receive();
        ASSERT_TRUE(name);
        TagReader nameBody(name->payload);
        head = readMessage(nameBody);
        ASSERT_TRUE(head);
        EXPECT_EQ(head->command, static_cast<uint32_t>(PulseCommand::SetClientName));
        EXPECT_EQ(name->payload.substr(10),
                  TagWriter().properties({{"application.name", "Pipling Simulator"}}).bytes());
        EXPECT_EQ(readies, 0);
        server.send(commandFrame(PulseCommand::Reply, head->tag, TagWriter().u32(12)));
        runEvents(1000, [this] { return readies > 0; });
        ASSERT_EQ(readies, 1);
        ASSERT_TRUE(connection.isReady());
    }

    QTemporaryDir folder;
    std::string path = (folder.path() + "/native").toStdString();
    std::string cookie = "key";
    FakeServer server{path};
    PulseConnection connection;
    int readies = 0;
    int losses = 0;
};

TEST_F(Connection, IntroducesItselfAndHandsEachAnswerToItsCommand) {
    introduce();
    std::vector<std::string> heard;
    for (const char* name : {"first", "second"})
        ASSERT_TRUE(connection.send(
            PulseCommand::PlaySample, TagWriter().string(name), [&heard, name](TagReader* reply) {
                heard.push_back(std::string(name) +
                                (reply ? "=" + std::to_string(reply->u32().value_or(0)) : " refused"));
            }));
    auto first = server.receive();
    auto second = server.receive();
    ASSERT_TRUE(first && second);
    TagReader a(first->payload), b(second->payload);
    const auto tagA = readMessage(a)->tag, tagB = readMessage(b)->tag;
    EXPECT_NE(tagA, tagB);
    // Answered out of order, with an event between them that nobody asked for.
    server.send(commandFrame(PulseCommand::Error, tagB, TagWriter().u32(5)) +
                commandFrame(static_cast<PulseCommand>(66), 0xffffffffu, TagWriter().u32(1)) +
                commandFrame(PulseCommand::Reply, tagA, TagWriter().u32(77)));
    runEvents(1000, [&] { return heard.size() == 2; });
    EXPECT_EQ(heard, (std::vector<std::string>{"second refused", "first=77"}));
    EXPECT_EQ(losses, 0);
    // Ended by the server: lost is called once, from the event loop, and sending is refused.
    server.hangUp();
    runEvents(1000, [this] { return losses > 0; });
    EXPECT_EQ(losses, 1);
    EXPECT_FALSE(connection.active());
    EXPECT_FALSE(connection.send(PulseCommand::PlaySample, TagWriter()));
    // No server at all: refused at once, and nothing called later.
    EXPECT_FALSE(connection.open((folder.path() + "/none").toStdString(), cookie, {}));
    runEvents(50);
    EXPECT_EQ(losses, 1);
}

TEST_F(Connection, ARefusedIntroductionOrABrokenFrameEndsTheConnection) {
    // The key refused.
    ASSERT_TRUE(connection.open(path, cookie, {}));
    auto auth = server.receive();
    ASSERT_TRUE(auth);
    TagReader body(auth->payload);
    server.send(commandFrame(PulseCommand::Error, readMessage(body)->tag, TagWriter().u32(1)));
    runEvents(1000, [this] { return losses > 0; });
    EXPECT_EQ(losses, 1);
    EXPECT_EQ(readies, 0);
    // Each of these, once ready, ends the connection instead of being read.
    std::string oversized = dataFrame(PulseControlChannel, "");
    oversized[1] = 0x10; // a megabyte
    std::string untagged = commandFrame(PulseCommand::Reply, 1, TagWriter());
    untagged[PulseFrameHeader] = 'B';
    for (const std::string& hostile : {oversized, untagged, dataFrame(PulseControlChannel, "L\0\0")}) {
        server.hangUp();
        losses = readies = 0;
        introduce();
        server.send(hostile);
        runEvents(1000, [this] { return losses > 0; });
        EXPECT_EQ(losses, 1);
        EXPECT_FALSE(connection.active());
    }
}

TEST_F(Connection, AQuietConnectionNeverWakesTheLoop) {
    introduce();
    ASSERT_TRUE(connection.send(PulseCommand::PlaySample, TagWriter().string("sound")));
    ASSERT_TRUE(server.receive());
    // Half a second of the event loop with nothing to read and nothing left to write: a socket
    // watched for room while there is nothing to send would wake it thousands of times.
    int wakes = 0;
    QObject counter;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, &counter,
                     [&wakes] { ++wakes; });
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_LT(wakes, 10);
    EXPECT_TRUE(connection.isReady());
}

TEST_F(Connection, AServerThatStopsReadingNeverHoldsTheToyUp) {
    introduce();
    // The socket's buffer fills and the rest waits in the connection, up to a bound; no send
    // waits for the server, and the ones past the bound are refused.
    const std::string samples(60000, 's');
    QElapsedTimer clock;
    clock.start();
    int taken = 0;
    for (int i = 0; i < 200; ++i)
        taken += connection.sendData(1, samples);
    EXPECT_LT(clock.elapsed(), 250);
    EXPECT_GT(taken, 10);
    EXPECT_LT(taken, 200);
    EXPECT_GT(connection.unsent(), 0u);
    EXPECT_TRUE(connection.active());
    // Once the server reads again, what waited goes out.
    std::string got;
    clock.start();
    while (clock.elapsed() < 3000 && got.size() < size_t(taken) * samples.size()) {
        if (auto frame = server.receive()) got += frame->payload;
    }
    EXPECT_EQ(got.size(), size_t(taken) * samples.size());
    EXPECT_EQ(connection.unsent(), 0u);
}

// Where the server is and the key to it, found as the server's own clients find them.
TEST(PulseServer, IsFoundFromTheEnvironmentAndTheCookieFromItsFiles) {
    QTemporaryDir folder;
    const std::string root = folder.path().toStdString();
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return std::pair<const char*, std::optional<std::string>>(
            name, value ? std::optional<std::string>(value) : std::nullopt);
    };
    const std::vector saved{keep("PULSE_SERVER"), keep("XDG_RUNTIME_DIR"), keep("PULSE_COOKIE"),
                            keep("XDG_CONFIG_HOME"), keep("HOME")};
    setenv("PULSE_SERVER", "tcp:elsewhere:4713 unix:/run/here/native /run/there", 1);
    EXPECT_EQ(pulseSocketPath(), "/run/here/native") << "the first unix socket listed";
    setenv("PULSE_SERVER", "tcp:elsewhere", 1);
    EXPECT_EQ(pulseSocketPath(), "") << "none the toy can speak to";
    unsetenv("PULSE_SERVER");
    setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    EXPECT_EQ(pulseSocketPath(), root + "/pulse/native");

    const auto write = [](const std::string& path, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    };
    const std::string given(PulseCookieLength, 'g'), configured(PulseCookieLength, 'c');
    write(root + "/given", given);
    write(root + "/config/pulse/cookie", configured);
    write(root + "/home/.config/pulse/cookie", std::string(PulseCookieLength, 'h'));
    write(root + "/short", "too short");
    setenv("PULSE_COOKIE", (root + "/given").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    setenv("HOME", (root + "/home").c_str(), 1);
    EXPECT_EQ(pulseCookie(), given);
    setenv("PULSE_COOKIE", (root + "/short").c_str(), 1);
    EXPECT_EQ(pulseCookie(), configured) << "a cookie too short is no cookie";
    unsetenv("PULSE_COOKIE");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(pulseCookie(), std::string(PulseCookieLength, 'h'));
    setenv("HOME", (root + "/nowhere").c_str(), 1);
    EXPECT_EQ(pulseCookie(), std::string(PulseCookieLength, '\0'));
    for (const auto& [name, value] : saved)
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
}

} // namespace
