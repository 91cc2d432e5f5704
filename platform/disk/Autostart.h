// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// The desktop's autostart entries (XDG autostart): one file per pet in ~/.config/autostart, so
// several pets can start with the desktop and each can be switched off on its own.

// The autostart folder: $XDG_CONFIG_HOME/autostart, else ~/.config/autostart.
std::filesystem::path autostartFolder();

// The entry's file name for a pet: letters and digits kept, every other byte written as "_XX"
// (hex), so any name maps to one file and no name reaches outside the folder.
std::string autostartFileName(const std::string& petName);

// The entry's text: starts `program` with the pet's name, quoted as desktop entries require.
std::string autostartEntry(const std::string& program, const std::string& petName);

// Writes (on) or removes (off) the entry for a pet in `folder`. Returns an error text, empty on
// success; removing an entry that is not there is no error.
std::string setAutostart(const std::filesystem::path& folder, const std::string& program,
                         const std::string& petName, bool on);
