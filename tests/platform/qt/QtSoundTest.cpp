// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's sound: the wave files it reads, a sound request that returns at once whatever the
// sound server does, and a real server that takes the toy's samples and plays them by name. (That
// every sound is heard on a real server is sound_onsets.sh.)
#include "platform/qt/QtSound.h"
#include "platform/qt/WaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

std::string chunk(const std::string& id, const std::string& body) {
    std::string bytes = id;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((body.size() >> (8 * i)) & 0xff);
    bytes += body;
    if (body.size() & 1) bytes += '\0';
    return bytes;
}

std::string format(uint16_t kind, uint16_t channels, uint32_t rate, uint16_t bits) {
    std::string f;
    auto put = [&](uint32_t v, int width) {
        for (int i = 0; i < width; ++i)
            f += static_cast<char>((v >> (8 * i)) & 0xff);
    };
    put(kind, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    return chunk("fmt ", f);
}

std::string riff(const std::string& chunks) {
    return "RIFF" + std::string(4, '\0') + "WAVE" + chunks;
}

TEST(WaveFile, ReadsPcmPastOtherChunksAndRefusesWhatTheServerCannotTake) {
    // An odd-sized chunk before the samples is padded: a reader that forgets the pad byte loses
    // the data chunk.
    const std::string samples("\x01\x02\x03\x04\x05\x06", 6);
    auto wave = parseWave(riff(chunk("LIST", "abc") + format(1, 1, 22050, 16) + chunk("data", samples)));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples, samples);
    EXPECT_EQ(wave->rate, 22050u);
    EXPECT_EQ(wave->milliseconds(), 1);
    // A data chunk cut short keeps its whole frames; one that comes before its format is refused.
    std::string cut = riff(format(1, 2, 8000, 16) + chunk("data", std::string(16000, 'x')));
    cut.resize(cut.size() - 8001);
    wave = parseWave(cut);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 7996u);
    EXPECT_EQ(wave->milliseconds(), 250);
    EXPECT_FALSE(parseWave(riff(chunk("data", samples) + format(1, 1, 22050, 16))));
    EXPECT_FALSE(parseWave(riff(format(2, 1, 22050, 4) + chunk("data", samples)))) << "compressed";
    EXPECT_FALSE(parseWave(riff(format(1, 1, 22050, 24) + chunk("data", samples))));
    EXPECT_FALSE(parseWave("RIFF"));
    // Every sound of the program folder is one the server can take.
    const QDir sounds(QString(PIPLING_BIN_DIR) + "/sounds");
    const QStringList files = sounds.entryList({"*.wav"});
    EXPECT_EQ(files.size(), 17);
    for (const QString& name : files) {
        wave = readWaveFile(sounds.filePath(name).toStdString());
        EXPECT_TRUE(wave && wave->milliseconds() > 10) << name.toStdString();
    }
    EXPECT_GT(alertTone().milliseconds(), 50);
}

// A sound server that takes connections and never answers: a stopped server looks the same.
class StalledServer {
public:
    explicit StalledServer(const std::string& path) {
        socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_un where{};
        where.sun_family = AF_UNIX;
        std::strncpy(where.sun_path, path.c_str(), sizeof where.sun_path - 1);
        ::unlink(path.c_str());
        if (::bind(socket, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
            ::listen(socket, 8) != 0) {
            ::close(socket);
            socket = -1;
        }
    }
    ~StalledServer() {
        for (int peer : peers)
            ::close(peer);
        if (socket >= 0) ::close(socket);
    }
    bool listening() const { return socket >= 0; }
    // Takes the connections waiting, and tells how many there have been.
    int connections() {
        for (int peer; (peer = ::accept(socket, nullptr, nullptr)) >= 0;)
            peers.push_back(peer);
        return static_cast<int>(peers.size());
    }
    // Goes away as a server that ends does: its connections closed.
    void end() {
        connections();
        for (int peer : peers)
            ::close(peer);
        peers.clear();
        ::close(socket);
        socket = -1;
    }

private:
    int socket = -1;
    std::vector<int> peers;
};

class SoundServer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        setenv("PULSE_COOKIE", (folder.path() + "/cookie").toUtf8().constData(), 1);
        setenv("PULSE_CLIENTCONFIG", (folder.path() + "/client.conf").toUtf8().constData(), 1);
        saved = std::getenv("PULSE_SERVER") ? std::getenv("PULSE_SERVER") : "";
    }
    void TearDown() override {
        saved.empty() ? unsetenv("PULSE_SERVER") : setenv("PULSE_SERVER", saved.c_str(), 1);
    }
    std::string path(const char* name) const { return (folder.path() + "/" + name).toStdString(); }

    // Asks for sounds for a while, the event loop running between them as the toy's does, and
    // returns the longest time a request or a pass of the loop took, in milliseconds. A client
    // that waited for the server would take seconds; the bound leaves room for a busy machine.
    qint64 askFor(QtSound& sound, int times) {
        qint64 longest = 0;
        for (int i = 0; i < times; ++i) {
            QElapsedTimer one;
            one.start();
            if (i % 3 == 2)
                sound.beep();
            else
                sound.playWave(i % 3 ? beepFile : attendFile);
            longest = std::max(longest, one.elapsed());
            QElapsedTimer wait;
            wait.start();
            while (wait.elapsed() < 10) {
                one.start();
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                longest = std::max(longest, one.elapsed());
            }
        }
        return longest;
    }
    static constexpr qint64 AtOnce = 250;

    QTemporaryDir folder;
    std::string saved;
    const std::string beepFile = std::string(PIPLING_BIN_DIR) + "/sounds/beep.wav";
    const std::string attendFile = std::string(PIPLING_BIN_DIR) + "/sounds/attend.wav";
};

TEST_F(SoundServer, ASoundReturnsAtOnceWithTheServerMissingStalledOrGoneAndFindsItAgainLater) {
    // None there.
    setenv("PULSE_SERVER", ("unix:" + path("none")).c_str(), 1);
    {
        QtSound sound;
        EXPECT_LT(askFor(sound, 20), AtOnce);
    }
    // One that takes the connection and never answers; then goes away.
    StalledServer server(path("stalled"));
    ASSERT_TRUE(server.listening());
    setenv("PULSE_SERVER", ("unix:" + path("stalled")).c_str(), 1);
    QtSound sound;
    EXPECT_LT(askFor(sound, 100), AtOnce);
    EXPECT_EQ(server.connections(), 1) << "one connection, however many sounds";
    server.end();
    EXPECT_LT(askFor(sound, 20), AtOnce);
    // Back again: a sound a few seconds later connects anew.
    StalledServer back(path("stalled"));
    QElapsedTimer clock;
    clock.start();
    while (back.connections() == 0 && clock.elapsed() < 5000)
        askFor(sound, 5);
    EXPECT_EQ(back.connections(), 1);
}

// A private PulseAudio that logs what it plays. (It lets in a client of its own user whatever
// cookie it brings, so the cookie is checked against a fake server, in PulseConnectionTest.)
class RealServer {
public:
    RealServer(const QString& folder, const QString& cookie) : log(folder + "/pulse.log") {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", folder);
        env.insert("XDG_RUNTIME_DIR", folder);
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        server.setProcessEnvironment(env);
        server.start("pulseaudio",
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-level=debug",
                      "--log-target=file:" + log, "-L", "module-null-sink sink_name=heard", "-L",
                      "module-native-protocol-unix socket=" + folder + "/native auth-cookie=" + cookie});
        started = server.waitForStarted(5000);
    }
    ~RealServer() {
        server.kill();
        server.waitForFinished(5000);
    }
    bool running() { return started && server.state() == QProcess::Running; }
    QString logged() {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // What pactl says, asked as any other client of this server would.
    static QString pactl(const QStringList& arguments) {
        QProcess tool;
        tool.start("pactl", arguments);
        tool.waitForFinished(5000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

private:
    QString log;
    QProcess server;
    bool started = false;
};

TEST_F(SoundServer, ARealServerTakesEachSampleOnceAndPlaysItByName) {
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty() ||
        QStandardPaths::findExecutable("pactl").isEmpty())
        GTEST_SKIP() << "needs pulseaudio and pactl";
    RealServer server(folder.path(), folder.path() + "/cookie");
    setenv("PULSE_SERVER", ("unix:" + path("native")).c_str(), 1);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && !(server.running() && QFile::exists(folder.path() + "/cookie") &&
                                        RealServer::pactl({"info"}).contains("Server")))
        QThread::msleep(50);
    ASSERT_TRUE(server.running());
    QtSound sound;
    const auto played = [&](const QString& name) {
        return server.logged().count("Playing sample \"pipling-simulator-" + name);
    };
    const auto playUntil = [&](const std::function<bool()>& heard) {
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 5000 && !heard())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return heard();
    };
    sound.playWave(attendFile);
    EXPECT_TRUE(playUntil([&] { return played("attend-") == 1; })) << server.logged().toStdString();
    // Once there, a sound is only named: two more, and the beep's tone of its own.
    sound.playWave(attendFile);
    sound.playWave(attendFile);
    sound.beep();
    EXPECT_TRUE(playUntil([&] { return played("attend-") == 3 && played("alert-") == 1; }));
    const QString samples = RealServer::pactl({"list", "samples", "short"});
    EXPECT_EQ(samples.count("pipling-simulator-attend-"), 1) << samples.toStdString();
    EXPECT_EQ(samples.count("pipling-simulator-alert-"), 1) << samples.toStdString();
    // The sample holds the file's samples at the file's rate.
    const auto wave = readWaveFile(attendFile);
    ASSERT_TRUE(wave);
    const QString details = RealServer::pactl({"list", "samples"});
    EXPECT_TRUE(details.contains(QString("s16le %1ch %2Hz").arg(wave->channels).arg(wave->rate)))
        << details.toStdString();
    // A new sound cuts off the one still playing: of two long sounds, one is left.
    const std::string longFile = std::string(PIPLING_BIN_DIR) + "/sounds/plyunhap.wav";
    const std::string otherFile = std::string(PIPLING_BIN_DIR) + "/sounds/plystop.wav";
    sound.playWave(longFile);
    EXPECT_TRUE(playUntil([&] { return played("plyunhap-") == 1; }));
    sound.playWave(otherFile);
    EXPECT_TRUE(playUntil([&] { return played("plystop-") == 1; }));
    QElapsedTimer answers;
    answers.start();
    while (answers.elapsed() < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const QString inputs = RealServer::pactl({"list", "sink-inputs", "short"});
    EXPECT_EQ(inputs.count('\n'), 1) << inputs.toStdString();
    const QString clients = RealServer::pactl({"list", "clients"});
    EXPECT_TRUE(clients.contains("application.name = \"Pipling Simulator\"")) << clients.toStdString();
    EXPECT_TRUE(clients.contains("application.icon_name = \"org.pipling.Simulator\""));
}

} // namespace
