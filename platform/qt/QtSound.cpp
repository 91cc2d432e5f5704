#include "platform/qt/QtSound.h"

#include "platform/disk/PathResolver.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryFile>
#include <QUrl>

#ifdef PIPLING_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#else
// Without Qt Multimedia no sound effect is ever made; a complete type lets the members go.
class QSoundEffect {};
#endif

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

#ifdef PIPLING_HAVE_MULTIMEDIA

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

} // namespace

bool QtSound::haveDevice() const {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

QSoundEffect* QtSound::effectFor(const std::string& path) {
    auto found = effects.find(path);
    if (found != effects.end()) return found->second.get();
    std::unique_ptr<QSoundEffect> effect;
    if (auto resolved = resolvePath(path)) {
        effect = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
        // Loading runs in the background; a sound asked for before it is ready plays once it is.
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(resolved->string())));
    }
    return effects.emplace(path, std::move(effect)).first->second.get();
}

void QtSound::start(QSoundEffect* effect) {
    if (!effect || effect->status() == QSoundEffect::Error)
        return; // an unreadable file is as silent as a missing one
    if (playing && playing != effect) playing->stop();
    playing = effect;
    effect->stop(); // the same sound again starts from its beginning
    effect->play();
}

void QtSound::playWave(const std::string& path) {
    if (!haveDevice()) return;
    start(effectFor(path));
}

void QtSound::beep() {
    if (!haveDevice()) {
        QApplication::beep();
        return;
    }
    if (!beepEffect) {
        beepFile = std::make_unique<QTemporaryFile>();
        beepFile->setFileTemplate(QDir::tempPath() + "/pipling-beep-XXXXXX.wav");
        if (!beepFile->open() || beepFile->write(beepWave()) < 0 || !beepFile->flush()) {
            beepFile.reset();
            QApplication::beep();
            return;
        }
        beepEffect = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
        beepEffect->setSource(QUrl::fromLocalFile(beepFile->fileName()));
    }
    start(beepEffect.get());
}

#else

bool QtSound::haveDevice() const {
    return false;
}
QSoundEffect* QtSound::effectFor(const std::string&) {
    return nullptr;
}
void QtSound::start(QSoundEffect*) {}
void QtSound::playWave(const std::string&) {}
void QtSound::beep() {
    QApplication::beep();
}

#endif
