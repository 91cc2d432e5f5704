// SPDX-License-Identifier: GPL-3.0-or-later
// WavePlayer on the sound server's sample cache. Each wave file is read once and
// uploaded once; after that a sound is one short request naming its sample, and the server mixes
// it. The server's replies are handled on the toy's own event loop (PulseConnection), so a request
// never waits for them: a stalled server leaves the toy running and silent, a missing one makes the beep
// fall back to the desktop's alert, and one that comes back is found again at a later sound.
#include "platform/qt/PulseConnection.h"
#include "platform/qt/WaveFile.h"
#include "platform/qt/WavePlayer.h"

#include <QElapsedTimer>

#include <cstdio>
#include <deque>
#include <map>
#include <memory>

namespace {

// Requests the server has not answered beyond this many are dropped: a stalled server is silent
// anyway, and the toy's memory must not grow with every tick it stays so.
constexpr size_t MostUnanswered = 8;
// Once the server is gone, a sound tries a new connection only this long after the last try.
constexpr qint64 RetryMilliseconds = 3000;
// The server's full volume.
constexpr uint32_t NormalVolume = 0x10000;
// Samples go to the server in pieces no larger than this: the server takes each piece into a block
// of its memory pool, and a piece larger than a block would be copied once more.
constexpr size_t UploadPiece = 32 * 1024;

class PulseWavePlayer : public WavePlayer {
public:
    PulseWavePlayer() {
        clock.start();
        connection.ready = [this] {
            reachable = true;
            if (waiting) request(*waiting);
        };
        // Gone, or never there: silent until a later sound finds it again.
        connection.lost = [this] {
            reachable = false;
            disconnect();
        };
    }
    ~PulseWavePlayer() override { disconnect(); }

    void playWave(const std::string& file) override {
        auto found = sounds.find(file);
        if (found == sounds.end()) found = sounds.emplace(file, makeSound(readWaveFile(file), file)).first;
        if (found->second.name.empty()) return; // unreadable: as silent as a missing file
        if (connect()) request(found->second);
    }

    bool beep() override {
        if (tone.name.empty()) {
            tone = makeSound(alertTone(), "alert");
            tone.file.clear();
        }
        // Where the server is known to be missing the desktop's alert sounds instead.
        if (!connect() || !reachable) return false;
        request(tone);
        return true;
    }

private:
    struct Sound {
        std::string name; // in the server's cache; empty for a file that could not be read
        std::string file; // empty for the alert tone
        // The samples while they are uploaded; the server keeps them after that, and a new
        // server gets them read afresh.
        WaveData wave;
        int64_t milliseconds = 0;
        bool uploaded = false;
        bool uploading = false;
    };

    static Sound makeSound(std::optional<WaveData> wave, const std::string& file) {
        Sound sound;
        if (!wave) return sound;
        // Named after the file and its contents: toys of the same version share their samples, and
        // an other version's sound of the same name is not taken for ours.
        uint32_t hash = 2166136261u;
        for (char c : wave->samples)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        const size_t slash = file.find_last_of("/\\");
        std::string stem = file.substr(slash == std::string::npos ? 0 : slash + 1);
        stem = stem.substr(0, stem.rfind('.'));
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "-%08x", hash);
        sound.name = "pipling-simulator-" + stem + suffix;
        sound.file = file;
        sound.milliseconds = wave->milliseconds();
        sound.wave = std::move(*wave);
        return sound;
    }

    // True while there is a connection, made or being made. Starts one when there is none and the
    // last try is long enough ago.
    bool connect() {
        if (connection.active()) return true;
        if (tried && clock.elapsed() - lastTry < RetryMilliseconds) return false;
        tried = true;
        lastTry = clock.elapsed();
        // Never starts a server: the toy would wait for it here, in the middle of a tick.
        const PulseProperties client{{"application.name", "Pipling Simulator"},
                                     {"application.id", "org.pipling.Simulator"},
                                     {"application.icon_name", "org.pipling.Simulator"}};
        if (!connection.open(pulseSocketPath(), pulseCookie(), client)) {
            reachable = false;
            return false;
        }
        return true;
    }

    void disconnect() {
        for (Sound* sound : all()) {
            sound->uploading = false;
            sound->uploaded = false; // the server may be a new one that has never seen it
        }
        unanswered.clear();
        waiting = nullptr;
        playing = PulseInvalidIndex;
        connection.close();
    }

    std::vector<Sound*> all() {
        std::vector<Sound*> list{&tone};
        for (auto& [file, sound] : sounds)
            list.push_back(&sound);
        return list;
    }

    // Plays the sound, or has it played as soon as the connection and its upload allow; only
    // the sound asked for last waits, as it would have cut off the ones before it.
    void request(Sound& sound) {
        if (!connection.isReady() || !sound.uploaded) {
            waiting = &sound;
            if (connection.isReady() && !sound.uploading) startUpload(sound);
            return;
        }
        waiting = nullptr;
        if (unanswered.size() >= MostUnanswered) return;
        // A new sound cuts off the one still playing; one known to be over is left alone, which
        // spares the server a request.
        if (playing != PulseInvalidIndex && clock.elapsed() < playingEnds) kill(playing);
        playing = PulseInvalidIndex;
        playingEnds = clock.elapsed() + sound.milliseconds + 50;
        // On the default sink, by the sample's name, with the properties an event sound has.
        TagWriter play;
        play.u32(PulseInvalidIndex).nullString().u32(NormalVolume).string(sound.name);
        play.properties({{"event.id", sound.name}, {"media.role", "event"}});
        const uint64_t serial = ++requests;
        unanswered.push_back(serial);
        if (!connection.send(PulseCommand::PlaySample, play, [this](TagReader* reply) {
                started(reply ? reply->u32().value_or(PulseInvalidIndex) : PulseInvalidIndex);
            }))
            unanswered.pop_back();
    }

    // The server's answer to a sound: the sound's index, so that the next sound can cut it off.
    void started(uint32_t index) {
        if (unanswered.empty()) return;
        const uint64_t serial = unanswered.front();
        unanswered.pop_front();
        if (index == PulseInvalidIndex) return;
        if (serial == requests)
            playing = index;
        else
            kill(index); // overtaken by a newer sound before the answer came
    }

    void kill(uint32_t index) { connection.send(PulseCommand::KillSinkInput, TagWriter().u32(index)); }

    void startUpload(Sound& sound) {
        if (sound.wave.samples.empty()) {
            auto again = sound.file.empty() ? std::optional<WaveData>(alertTone()) : readWaveFile(sound.file);
            if (!again) return;
            sound.wave = std::move(*again);
        }
        const WaveData& wave = sound.wave;
        TagWriter create;
        create.string(sound.name)
            .sampleSpec(wave.bits == 8 ? 0 : 3, static_cast<uint8_t>(wave.channels), wave.rate)
            .channelMap(wave.channels == 1 ? std::vector<uint8_t>{0} : std::vector<uint8_t>{1, 2})
            .u32(static_cast<uint32_t>(wave.samples.size()))
            .properties({{"media.name", sound.name}});
        sound.uploading = connection.send(PulseCommand::CreateUploadStream, create,
                                          [this, &sound](TagReader* reply) { upload(sound, reply); });
        if (!sound.uploading) finishUpload(sound, false);
    }

    // The server has made the upload stream: its channel takes the samples, and finishing it
    // puts the sample in the cache under its name.
    void upload(Sound& sound, TagReader* reply) {
        const auto channel = reply ? reply->u32() : std::nullopt;
        if (!channel) return finishUpload(sound, false);
        const std::string_view samples = sound.wave.samples;
        for (size_t at = 0; at < samples.size(); at += UploadPiece)
            if (!connection.sendData(*channel, samples.substr(at, UploadPiece)))
                return finishUpload(sound, false);
        if (!connection.send(PulseCommand::FinishUploadStream, TagWriter().u32(*channel),
                             [this, &sound](TagReader* done) { finishUpload(sound, done != nullptr); }))
            finishUpload(sound, false);
    }

    void finishUpload(Sound& sound, bool done) {
        sound.uploading = false;
        sound.uploaded = done;
        if (done) sound.wave.samples = std::string();
        // A failed upload is tried again at the sound's next request, not in a loop here.
        if (waiting == &sound) {
            if (done)
                request(sound);
            else
                waiting = nullptr;
        }
    }

    bool tried = false;
    bool reachable = true; // until a connection has failed
    QElapsedTimer clock;
    qint64 lastTry = 0;
    std::map<std::string, Sound> sounds;
    Sound tone;
    Sound* waiting = nullptr;
    std::deque<uint64_t> unanswered;
    uint64_t requests = 0;
    uint32_t playing = PulseInvalidIndex;
    qint64 playingEnds = 0;
    // Last, so that it goes first: no answer arrives for a sound already gone.
    PulseConnection connection;
};

} // namespace

std::unique_ptr<WavePlayer> makePulseWavePlayer() {
    return std::make_unique<PulseWavePlayer>();
}
