#include "platform/disk/PetLock.h"

#include "platform/disk/IniSettingsStore.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <unistd.h>

PetLock::PetLock(const std::filesystem::path& folder, const std::string& petName) {
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
