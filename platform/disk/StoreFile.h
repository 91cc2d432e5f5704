// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings file on disk, below the level of sections and keys: reading it whole and telling
// whether it is a settings file at all, replacing it atomically, and moving a file that is not
// out of the way without destroying it.
#include <cstdint>
#include <filesystem>
#include <string>

namespace storefile {

// Larger than any store of pets can grow: such a file is not ours, and is not read into memory.
constexpr std::uintmax_t MaxSize = 16 * 1024 * 1024;

struct Contents {
    bool exists = false;   // something is at the path (a file, a folder, ...)
    bool readable = false; // it is a regular file that reads as a settings file
    std::string text;      // the file's bytes when readable
};

// A settings file is a regular text file of at most MaxSize bytes without NUL bytes (the store
// escapes them) and with at least one section line; anything else is taken as not ours.
Contents read(const std::filesystem::path& file);

// Writes the bytes to FILE.tmp and renames it over FILE, so the file holds either its old or its
// new content whatever happens meanwhile. Synced: the data reaches the disk before the rename.
// Returns 0, or the errno of the step that failed (the old file is then left as it was).
int replace(const std::filesystem::path& file, const std::string& bytes, bool synced);

// Renames what is at FILE to FILE.damaged-YYYYMMDD-HHMMSS (with -2, -3, ... when taken).
// Returns the new name, or an empty path when the rename failed.
std::filesystem::path moveAside(const std::filesystem::path& file);

} // namespace storefile
