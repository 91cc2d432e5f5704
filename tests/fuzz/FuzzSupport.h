// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the fuzz targets: a scratch folder of the process's own in memory-backed storage,
// and a check that stops the run with a message, so a broken property is a finding like a crash.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace fuzz {

// A folder only this process uses, made on first use and emptied at exit.
const std::filesystem::path& scratchFolder();

// Replaces the file's content with the given bytes.
void writeFile(const std::filesystem::path& file, std::string_view bytes);

// Prints what went wrong and aborts, so libFuzzer saves the input and the replay test fails.
[[noreturn]] void fail(std::string_view what, std::string_view detail = {});
inline void check(bool condition, std::string_view what, std::string_view detail = {}) {
    if (!condition) fail(what, detail);
}

inline std::string_view text(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace fuzz
