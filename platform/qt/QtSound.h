// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sound on the real desktop. This file provides:
//  - QtSound: wave files played without waiting, through the desktop's sound server. The player
//    is made only at the first sound; each file is looked up once; a new sound cuts off the one
//    playing; a missing or unreadable file, or a machine without a sound server, stays silent.
//    The beep is a short generated tone, or the desktop's own alert where no sound server can
//    play it.
#include "platform/Services.h"
#include "platform/qt/WavePlayer.h"

#include <QString>

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
    // The back-end, made on the first call.
    WavePlayer* player();

    std::unique_ptr<WavePlayer> loaded;
    // The file found for each program-relative path; empty for one that is not there.
    std::map<std::string, std::string> files;
};
