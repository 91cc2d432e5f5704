// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/PetLock.h"

#include "platform/disk/IniSettingsStore.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <unistd.h>

namespace {

// FNV-1a: the same folder name gives the same number in every build, so two versions of the
// program find each other's locks.
uint64_t stableHash(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

std::filesystem::path PetLock::lockFolder(const std::filesystem::path& settingsFolder,
                                          const char* runtimeFolder) {
    // XDG_RUNTIME_DIR must be absolute; a relative one would lock in whatever folder the program
    // happens to start in.
    if (runtimeFolder == nullptr || runtimeFolder[0] != '/') return settingsFolder / "running";
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(settingsFolder, error);
    if (error) absolute = settingsFolder;
    // "config/" and "config/." are the same folder as "config".
    absolute = absolute.lexically_normal();
    if (absolute.filename().empty() && absolute.has_parent_path()) absolute = absolute.parent_path();
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(stableHash(absolute.string())));
    return std::filesystem::path(runtimeFolder) / "pipling-simulator" / hex;
}

PetLock::PetLock(const std::filesystem::path& folder, const std::string& petName) {
    take(folder, petName);
}

PetLock::PetLock(const std::filesystem::path& settingsFolder, const std::string& petName,
                 const char* runtimeFolder) {
    std::error_code error;
    std::filesystem::create_directories(settingsFolder, error);
    if (!std::filesystem::is_directory(settingsFolder)) {
        failure = "cannot make " + settingsFolder.string() + ": " +
                  (error ? error.message() : std::string("it is not a folder"));
        return;
    }
    take(lockFolder(settingsFolder, runtimeFolder), petName);
}

void PetLock::take(const std::filesystem::path& folder, const std::string& petName) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::string base = IniSettingsStore::escapeName(petName);
    if (base.size() > 180) // file names are limited; keep them unique with a hash of the whole name
        base = base.substr(0, 160) + "-" + std::to_string(std::hash<std::string>{}(petName));
    std::filesystem::path file = folder / (base + ".lock");
    fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        failure = "cannot make " + file.string() + ": " + std::strerror(errno);
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        heldElsewhere = errno == EWOULDBLOCK;
        if (!heldElsewhere) failure = "cannot lock " + file.string() + ": " + std::strerror(errno);
        ::close(fd);
        fd = -1;
    }
}

PetLock::~PetLock() {
    if (fd >= 0) ::close(fd);
}
