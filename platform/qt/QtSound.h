#pragma once

// Sound on the real desktop. This file provides:
//  - QtSound: wave files played without waiting. Qt Multimedia is loaded only at the first sound,
//    from the module pipling-sound beside the program or in ../lib/pipling-simulator/; each file
//    is looked up once; a new sound cuts off the one playing; a missing or unreadable file, a
//    machine without an audio device or a program without the module stays silent. The beep is
//    a short generated tone, or the desktop's own alert where no audio device can play it.
#include "platform/Services.h"
#include "platform/qt/WavePlayer.h"

#include <QLibrary>

#include <map>
#include <memory>
#include <string>

class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void playWave(const std::string& path) override;
    void beep() override;

private:
    // The back-end, loaded on the first call; null where the module is missing.
    WavePlayer* player();

    QLibrary module; // declared before the player, so the player goes first
    std::unique_ptr<WavePlayer> loaded;
    bool triedLoading = false;
    // The file found for each program-relative path; empty for one that is not there.
    std::map<std::string, std::string> files;
};
