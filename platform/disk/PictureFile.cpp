// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/PictureFile.h"

#include <cstddef>
#include <cstdint>

namespace {

unsigned byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<uint8_t>(bytes[at]);
}

unsigned wordAt(std::string_view bytes, std::size_t at) {
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

// Skips a chain of data sub-blocks ending in an empty one; false when the bytes end first.
bool skipSubBlocks(std::string_view bytes, std::size_t& at) {
    while (at < bytes.size()) {
        const std::size_t length = byteAt(bytes, at);
        ++at;
        if (length == 0) return true;
        at += length;
    }
    return false;
}

// The size of a colour table announced by a packed byte whose top bit says "present".
std::size_t colourTableSize(unsigned packed) {
    return (packed & 0x80) ? 3u << ((packed & 0x07) + 1) : 0;
}

bool gifComplete(std::string_view bytes) {
    constexpr std::size_t ScreenDescriptorEnd = 13;
    if (bytes.size() < ScreenDescriptorEnd) return false;
    std::size_t at = ScreenDescriptorEnd + colourTableSize(byteAt(bytes, 10));
    bool sawImage = false;
    while (at < bytes.size()) {
        const unsigned introducer = byteAt(bytes, at++);
        if (introducer == 0x3B) return sawImage; // the trailer
        if (introducer == 0x21) {                // an extension: label, then sub-blocks
            ++at;
            if (!skipSubBlocks(bytes, at)) return false;
        } else if (introducer == 0x2C) { // an image: descriptor, local colours, code size, data
            if (at + 9 > bytes.size()) return false;
            at += 9 + colourTableSize(byteAt(bytes, at + 8));
            ++at; // the LZW minimum code size
            if (!skipSubBlocks(bytes, at)) return false;
            sawImage = true;
        } else {
            return false;
        }
    }
    return false;
}

bool iconComplete(std::string_view bytes) {
    constexpr std::size_t HeaderSize = 6, EntrySize = 16;
    const std::size_t count = wordAt(bytes, 4);
    if (count == 0 || bytes.size() < HeaderSize + count * EntrySize) return false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = HeaderSize + i * EntrySize;
        const std::size_t size =
            wordAt(bytes, entry + 8) | static_cast<std::size_t>(wordAt(bytes, entry + 10)) << 16;
        const std::size_t offset =
            wordAt(bytes, entry + 12) | static_cast<std::size_t>(wordAt(bytes, entry + 14)) << 16;
        if (offset > bytes.size() || size > bytes.size() - offset) return false;
    }
    return true;
}

} // namespace

bool pictureFileComplete(std::string_view bytes) {
    if (bytes.substr(0, 6) == "GIF87a" || bytes.substr(0, 6) == "GIF89a") return gifComplete(bytes);
    const bool iconHeader =
        bytes.size() >= 6 && wordAt(bytes, 0) == 0 && (wordAt(bytes, 2) == 1 || wordAt(bytes, 2) == 2);
    if (iconHeader) return iconComplete(bytes);
    return true;
}
