#pragma once

// Sound on the real desktop. This file provides:
//  - QtSound: wave files played without waiting (QSoundEffect). Each file is looked up and loaded
//    once and kept, so a sound due on a tick costs no file access after its first time; a new
//    sound cuts off the one playing; a missing or unreadable file, or a machine without an audio
//    device, stays silent. The beep is a short generated tone, or the desktop's own alert where
//    no audio device can play it.
#include "platform/Services.h"

#include <map>
#include <memory>
#include <string>

class QSoundEffect;
class QTemporaryFile;

class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void playWave(const std::string& path) override;
    void beep() override;

private:
    // The loaded sound of a path; null for a file that is not there (it is not looked for again).
    QSoundEffect* effectFor(const std::string& path);
    void start(QSoundEffect* effect);
    bool haveDevice() const;

    std::map<std::string, std::unique_ptr<QSoundEffect>> effects;
    QSoundEffect* playing = nullptr;
    std::unique_ptr<QTemporaryFile> beepFile;
    std::unique_ptr<QSoundEffect> beepEffect;
};
