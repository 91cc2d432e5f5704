#pragma once

// Sound on the real desktop. This file provides:
//  - QtSound: wave files played without waiting (QSoundEffect), each file loaded once and kept;
//    a new sound cuts off the one playing; a missing file or audio device stays silent; the
//    system beep through QApplication::beep.
#include "platform/Services.h"

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void playWave(const std::string& path) override;
    void beep() override;

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects;
    QSoundEffect* playing = nullptr;
};
