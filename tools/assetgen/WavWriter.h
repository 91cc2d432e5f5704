// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes mono 16-bit PCM wave files (RIFF "WAVE", one "fmt " and one "data" chunk).
class WavWriter {
public:
    static std::vector<unsigned char> encode(const std::vector<std::int16_t>& samples, int sampleRate);
    static std::string write(const std::vector<std::int16_t>& samples, int sampleRate,
                             const std::string& path);
};
