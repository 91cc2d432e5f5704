// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace fuzz {

namespace {

struct Scratch {
    Scratch() {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        folder = base / ("pipling-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~Scratch() {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    fs::path folder;
};

} // namespace

const fs::path& scratchFolder() {
    static const Scratch scratch;
    return scratch.folder;
}

void writeFile(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    check(static_cast<bool>(out), "cannot write the scratch file", file.string());
}

void fail(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
    if (!detail.empty()) std::fprintf(stderr, "  %.*s\n", static_cast<int>(detail.size()), detail.data());
    std::abort();
}

} // namespace fuzz
