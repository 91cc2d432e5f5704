// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sound back-end as the program sees it. This file provides:
//  - WavePlayer: plays wave files and the beep through the desktop's sound server.
//  - makePulseWavePlayer: the one on the sound server's sample cache. QtSound makes it at the
//    first sound, so a toy that stays silent never connects to the server.
#include <memory>
#include <string>

class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Plays a wave file found on disk, cutting off the sound playing; an unreadable file, or no
    // sound server, is silent. Returns at once, whatever the server does.
    virtual void playWave(const std::string& file) = 0;
    // Plays the alert tone the same way; false where no sound server is there to play it.
    virtual bool beep() = 0;
};

std::unique_ptr<WavePlayer> makePulseWavePlayer();
