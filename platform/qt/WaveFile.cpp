// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace {

uint32_t little(std::string_view bytes, size_t at, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

int64_t WaveData::milliseconds() const {
    const int64_t frameBytes = int64_t(channels) * (bits / 8);
    if (rate == 0 || frameBytes == 0) return 0;
    const int64_t frames = int64_t(samples.size()) / frameBytes;
    return (frames * 1000 + rate - 1) / rate;
}

std::optional<WaveData> parseWave(std::string_view file) {
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") return std::nullopt;
    WaveData wave;
    bool haveFormat = false;
    // Chunks follow one another, each padded to an even length; unknown ones are skipped.
    for (size_t at = 12; at + 8 <= file.size();) {
        const std::string_view id = file.substr(at, 4);
        const size_t size = little(file, at + 4, 4);
        const size_t body = at + 8;
        if (size > file.size() - body) {
            // A data chunk cut short still holds the sound up to the end of the file.
            if (id != "data" || !haveFormat) return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16) return std::nullopt;
            if (little(file, body, 2) != 1) return std::nullopt; // compressed
            wave.channels = static_cast<uint16_t>(little(file, body + 2, 2));
            wave.rate = little(file, body + 4, 4);
            wave.bits = static_cast<uint16_t>(little(file, body + 14, 2));
            if ((wave.bits != 8 && wave.bits != 16) || wave.channels < 1 || wave.channels > 2 ||
                wave.rate < 1000 || wave.rate > 192000)
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            const size_t frame = size_t(wave.channels) * (wave.bits / 8);
            size_t length = std::min(size, file.size() - body);
            length -= length % frame;
            if (length == 0) return std::nullopt;
            wave.samples.assign(file.substr(body, length));
            return wave;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<WaveData> readWaveFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // The toy's sounds are short; anything much larger is not one of them.
    constexpr std::streamoff Largest = 4 << 20;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > Largest) return std::nullopt;
    in.seekg(0);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), size)) return std::nullopt;
    return parseWave(bytes);
}

WaveData alertTone() {
    // A tenth of a second of a high note with a soft start and end, so it does not click.
    constexpr int Rate = 22050;
    constexpr int Samples = Rate / 10;
    constexpr double Pitch = 1760.0;
    constexpr int Fade = Rate / 200;
    WaveData wave{Rate, 1, 16, {}};
    wave.samples.reserve(Samples * 2);
    for (int i = 0; i < Samples; ++i) {
        const double envelope = std::min({1.0, i / double(Fade), (Samples - 1 - i) / double(Fade)});
        const double value = std::sin(2 * std::numbers::pi * Pitch * i / Rate) * envelope * 0.4;
        const auto sample = static_cast<uint16_t>(static_cast<int16_t>(value * 32767));
        wave.samples.push_back(static_cast<char>(sample & 0xff));
        wave.samples.push_back(static_cast<char>(sample >> 8));
    }
    return wave;
}
