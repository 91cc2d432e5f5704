#pragma once

#include <filesystem>
#include <string>

// Makes sure only one program runs per pet. The lock is an advisory lock on a file named after the
// pet; the system drops it when the holding process ends, so a killed program never blocks the
// next start.
class PetLock {
public:
    PetLock(const std::filesystem::path& folder, const std::string& petName);
    ~PetLock();
    PetLock(const PetLock&) = delete;
    PetLock& operator=(const PetLock&) = delete;

    // True when this process holds the pet.
    bool held() const { return fd >= 0; }
    // True when another program holds it; false too when the lock could not even be made.
    bool busy() const { return heldElsewhere; }
    // Why the lock file could not be made (a folder that cannot be created, no permission).
    const std::string& problem() const { return failure; }

private:
    int fd = -1;
    bool heldElsewhere = false;
    std::string failure;
};
