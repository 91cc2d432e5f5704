// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Wave files as the sound server takes them. This file provides:
//  - WaveData: the PCM samples of a sound with their format and length.
//  - readWaveFile, parseWave: the samples of an uncompressed RIFF wave file (8-bit unsigned or
//    16-bit little-endian, any rate, one or two channels); nothing for anything else.
//  - alertTone: the short generated tone that stands for the system beep.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct WaveData {
    uint32_t rate = 0;
    uint16_t channels = 0;
    uint16_t bits = 0;
    std::string samples;
    // How long the sound lasts, in milliseconds, rounded up.
    int64_t milliseconds() const;
};

std::optional<WaveData> parseWave(std::string_view file);
std::optional<WaveData> readWaveFile(const std::string& path);
WaveData alertTone();
