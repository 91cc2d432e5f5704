// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: WavePlayer on the sound server's sample cache. Each wave file is read once and
// uploaded once; after that a sound is one short request naming its sample, and the server mixes
// it. The server's replies are handled on the toy's own event loop (PulseLoop), so a request never
// waits for them: a stalled server leaves the toy running and silent, a missing one makes the beep
// fall back to the desktop's alert, and one that comes back is found again at a later sound.
#include "platform/qt/PulseLoop.h"
#include "platform/qt/WaveFile.h"
#include "platform/qt/WavePlayer.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/scache.h>
#include <pulse/stream.h>

#include <QElapsedTimer>
#include <QObject>

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

class PulseWavePlayer : public WavePlayer {
public:
    PulseWavePlayer() { clock.start(); }
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
        pa_stream* upload = nullptr;
        size_t written = 0;
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
        if (context) return true;
        if (tried && clock.elapsed() - lastTry < RetryMilliseconds) return false;
        tried = true;
        lastTry = clock.elapsed();
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Pipling Simulator");
        pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.pipling.Simulator");
        pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "org.pipling.Simulator");
        context = pa_context_new_with_proplist(loop.api(), "Pipling Simulator", properties);
        pa_proplist_free(properties);
        if (!context) return false;
        pa_context_set_state_callback(context, &PulseWavePlayer::contextChanged, this);
        // Never start a server: the toy would wait for it here, in the middle of a tick.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            disconnect();
            reachable = false;
            return false;
        }
        return true;
    }

    void disconnect() {
        for (Sound* sound : all()) {
            if (sound->upload) {
                pa_stream_set_state_callback(sound->upload, nullptr, nullptr);
                pa_stream_set_write_callback(sound->upload, nullptr, nullptr);
                pa_stream_unref(sound->upload);
            }
            sound->upload = nullptr;
            sound->uploaded = false; // the server may be a new one that has never seen it
        }
        unanswered.clear();
        waiting = nullptr;
        playing = PA_INVALID_INDEX;
        if (!context) return;
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }

    std::vector<Sound*> all() {
        std::vector<Sound*> list{&tone};
        for (auto& [file, sound] : sounds)
            list.push_back(&sound);
        return list;
    }

    static void contextChanged(pa_context* c, void* userdata) {
        auto* self = static_cast<PulseWavePlayer*>(userdata);
        const pa_context_state_t state = pa_context_get_state(c);
        if (state == PA_CONTEXT_READY) {
            self->reachable = true;
            if (self->waiting) self->request(*self->waiting);
        } else if (!PA_CONTEXT_IS_GOOD(state)) {
            // Gone, or never there: silent until a later sound finds it again. A context is not
            // freed inside its own callback.
            self->reachable = false;
            QMetaObject::invokeMethod(
                &self->guard, [self] { self->disconnect(); }, Qt::QueuedConnection);
        }
    }

    // Plays the sound, or has it played as soon as the connection and its upload allow; only
    // the sound asked for last waits, as it would have cut off the ones before it.
    void request(Sound& sound) {
        if (pa_context_get_state(context) != PA_CONTEXT_READY || !sound.uploaded) {
            waiting = &sound;
            if (pa_context_get_state(context) == PA_CONTEXT_READY && !sound.upload) startUpload(sound);
            return;
        }
        waiting = nullptr;
        if (unanswered.size() >= MostUnanswered) return;
        // A new sound cuts off the one still playing; one known to be over is left alone, which
        // spares the server a request.
        if (playing != PA_INVALID_INDEX && clock.elapsed() < playingEnds) kill(playing);
        playing = PA_INVALID_INDEX;
        playingEnds = clock.elapsed() + sound.milliseconds + 50;
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_EVENT_ID, sound.name.c_str());
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
        const uint64_t serial = ++requests;
        unanswered.push_back(serial);
        if (pa_operation* o =
                pa_context_play_sample_with_proplist(context, sound.name.c_str(), nullptr, PA_VOLUME_NORM,
                                                     properties, &PulseWavePlayer::started, this))
            pa_operation_unref(o);
        else
            unanswered.pop_back();
        pa_proplist_free(properties);
    }

    // The server's answer to a sound: the sound's index, so that the next sound can cut it off.
    static void started(pa_context*, uint32_t index, void* userdata) {
        auto* self = static_cast<PulseWavePlayer*>(userdata);
        if (self->unanswered.empty()) return;
        const uint64_t serial = self->unanswered.front();
        self->unanswered.pop_front();
        if (index == PA_INVALID_INDEX) return;
        if (serial == self->requests)
            self->playing = index;
        else
            self->kill(index); // overtaken by a newer sound before the answer came
    }

    void kill(uint32_t index) {
        if (pa_operation* o = pa_context_kill_sink_input(context, index, nullptr, nullptr))
            pa_operation_unref(o);
    }

    void startUpload(Sound& sound) {
        if (sound.wave.samples.empty()) {
            auto again = sound.file.empty() ? std::optional<WaveData>(alertTone()) : readWaveFile(sound.file);
            if (!again) return;
            sound.wave = std::move(*again);
        }
        pa_sample_spec spec{};
        spec.format = sound.wave.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
        spec.rate = sound.wave.rate;
        spec.channels = static_cast<uint8_t>(sound.wave.channels);
        sound.upload = pa_stream_new(context, sound.name.c_str(), &spec, nullptr);
        if (!sound.upload) return;
        sound.written = 0;
        pa_stream_set_state_callback(sound.upload, &PulseWavePlayer::uploadChanged, this);
        pa_stream_set_write_callback(sound.upload, &PulseWavePlayer::uploadWritable, &sound);
        if (pa_stream_connect_upload(sound.upload, sound.wave.samples.size()) < 0) finishUpload(sound, false);
    }

    static void uploadWritable(pa_stream* stream, size_t room, void* userdata) {
        auto& sound = *static_cast<Sound*>(userdata);
        const size_t left = sound.wave.samples.size() - sound.written;
        const size_t now = std::min(room, left);
        if (now > 0) {
            pa_stream_write(stream, sound.wave.samples.data() + sound.written, now, nullptr, 0,
                            PA_SEEK_RELATIVE);
            sound.written += now;
        }
        if (sound.written == sound.wave.samples.size()) {
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            pa_stream_finish_upload(stream);
        }
    }

    static void uploadChanged(pa_stream* stream, void* userdata) {
        auto* self = static_cast<PulseWavePlayer*>(userdata);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state != PA_STREAM_TERMINATED && state != PA_STREAM_FAILED) return;
        for (Sound* sound : self->all())
            if (sound->upload == stream) self->finishUpload(*sound, state == PA_STREAM_TERMINATED);
    }

    void finishUpload(Sound& sound, bool done) {
        pa_stream_set_state_callback(sound.upload, nullptr, nullptr);
        pa_stream_set_write_callback(sound.upload, nullptr, nullptr);
        pa_stream_unref(sound.upload);
        sound.upload = nullptr;
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

    PulseLoop loop;
    QObject guard; // drops a queued disconnect when the player is gone first
    pa_context* context = nullptr;
    bool tried = false;
    bool reachable = true; // until a connection has failed
    QElapsedTimer clock;
    qint64 lastTry = 0;
    std::map<std::string, Sound> sounds;
    Sound tone;
    Sound* waiting = nullptr;
    std::deque<uint64_t> unanswered;
    uint64_t requests = 0;
    uint32_t playing = PA_INVALID_INDEX;
    qint64 playingEnds = 0;
};

} // namespace

extern "C" Q_DECL_EXPORT void piplingMakeWavePlayer(std::unique_ptr<WavePlayer>& into) {
    into = std::make_unique<PulseWavePlayer>();
}
