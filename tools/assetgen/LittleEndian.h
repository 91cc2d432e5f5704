// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The icon, cursor and wave formats store their numbers least significant byte first.
namespace LittleEndian {

inline void put16(std::vector<unsigned char>& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xff));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
}

inline void put32(std::vector<unsigned char>& out, unsigned value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

} // namespace LittleEndian
