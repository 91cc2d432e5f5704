// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavWriter.h"

#include "LittleEndian.h"

#include <fstream>

namespace {

using LittleEndian::put16;
using LittleEndian::put32;

void putTag(std::vector<unsigned char>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(tag[i]));
}

} // namespace

std::vector<unsigned char> WavWriter::encode(const std::vector<std::int16_t>& samples, int sampleRate) {
    const unsigned dataBytes = static_cast<unsigned>(samples.size() * 2);
    std::vector<unsigned char> out;
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<unsigned>(sampleRate));
    put32(out, static_cast<unsigned>(sampleRate * 2)); // bytes per second
    put16(out, 2);                                     // bytes per frame
    put16(out, 16);                                    // bits per sample
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, static_cast<unsigned>(static_cast<std::uint16_t>(s)));
    return out;
}

std::string WavWriter::write(const std::vector<std::int16_t>& samples, int sampleRate,
                             const std::string& path) {
    const std::vector<unsigned char> bytes = encode(samples, sampleRate);
    std::ofstream file(path, std::ios::binary);
    if (!file) return "cannot open " + path;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file ? std::string() : "cannot write " + path;
}
