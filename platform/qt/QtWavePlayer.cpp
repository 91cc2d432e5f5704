// The sound module: WavePlayer on QSoundEffect. Each file is loaded once and kept, so a sound
// due on a tick costs no file access after its first time; a new sound cuts off the one playing.
#include "platform/qt/WavePlayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>

namespace {

// A short alert tone as a complete wave file: 16-bit mono PCM, a tenth of a second of a high
// note with a soft start and end so it does not click.
QByteArray beepWave() {
    constexpr int Rate = 22050;
    constexpr int Samples = Rate / 10;
    constexpr double Pitch = 1760.0;
    constexpr int Fade = Rate / 200;
    QByteArray data;
    data.reserve(44 + Samples * 2);
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            data.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    auto put16 = [&](uint16_t v) {
        data.append(static_cast<char>(v & 0xff));
        data.append(static_cast<char>(v >> 8));
    };
    data.append("RIFF");
    put32(36 + Samples * 2);
    data.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(Rate);
    put32(Rate * 2);
    put16(2);
    put16(16);
    data.append("data");
    put32(Samples * 2);
    for (int i = 0; i < Samples; ++i) {
        const double envelope = std::min({1.0, i / double(Fade), (Samples - 1 - i) / double(Fade)});
        const double value = std::sin(2 * std::numbers::pi * Pitch * i / Rate) * envelope * 0.4;
        put16(static_cast<uint16_t>(static_cast<int16_t>(value * 32767)));
    }
    return data;
}

class QtWavePlayer : public WavePlayer {
public:
    bool haveDevice() const override { return !QMediaDevices::defaultAudioOutput().isNull(); }

    void playWave(const std::string& file) override {
        auto found = effects.find(file);
        if (found == effects.end()) {
            auto effect = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
            // Loading runs in the background; a sound asked for before it is ready plays once it is.
            effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
            found = effects.emplace(file, std::move(effect)).first;
        }
        start(found->second.get());
    }

    bool beep() override {
        if (!beepEffect) {
            beepFile = std::make_unique<QTemporaryFile>();
            beepFile->setFileTemplate(QDir::tempPath() + "/pipling-beep-XXXXXX.wav");
            if (!beepFile->open() || beepFile->write(beepWave()) < 0 || !beepFile->flush()) {
                beepFile.reset();
                return false;
            }
            beepEffect = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
            beepEffect->setSource(QUrl::fromLocalFile(beepFile->fileName()));
        }
        start(beepEffect.get());
        return true;
    }

private:
    void start(QSoundEffect* effect) {
        if (effect->status() == QSoundEffect::Error)
            return; // an unreadable file is as silent as a missing one
        if (playing && playing != effect) playing->stop();
        playing = effect;
        effect->stop(); // the same sound again starts from its beginning
        effect->play();
    }

    std::map<std::string, std::unique_ptr<QSoundEffect>> effects;
    QSoundEffect* playing = nullptr;
    std::unique_ptr<QTemporaryFile> beepFile;
    std::unique_ptr<QSoundEffect> beepEffect;
};

} // namespace

extern "C" Q_DECL_EXPORT void piplingMakeWavePlayer(std::unique_ptr<WavePlayer>& into) {
    into = std::make_unique<QtWavePlayer>();
}
