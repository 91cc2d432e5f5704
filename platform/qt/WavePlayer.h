#pragma once

// The sound back-end as the program sees it. This file provides:
//  - WavePlayer: plays wave files and the beep through Qt Multimedia. It lives in a module of its
//    own (pipling-sound.so) that QtSound loads at the first sound, so a toy that stays silent
//    never maps Qt Multimedia and the audio libraries behind it: start-up and memory stay small.
//  - MakeWavePlayer, WavePlayerFactory: the one function the module exports, and its name.
#include <memory>
#include <string>

class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // False on a machine without an audio device.
    virtual bool haveDevice() const = 0;
    // Plays a wave file found on disk, cutting off the sound playing; an unreadable file is silent.
    virtual void playWave(const std::string& file) = 0;
    // Plays the generated alert tone; false when it cannot be made.
    virtual bool beep() = 0;
};

using MakeWavePlayer = void (*)(std::unique_ptr<WavePlayer>& into);
inline constexpr const char* WavePlayerFactory = "piplingMakeWavePlayer";
