// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// Makes sure only one program runs per pet. The lock is an advisory lock on a file named after the
// pet; the system drops it when the holding process ends, so a killed program never blocks the
// next start.
class PetLock {
public:
    // Locks the pet in the lock folder `folder`.
    PetLock(const std::filesystem::path& folder, const std::string& petName);
    // Locks the pet kept in `settingsFolder`, in the folder lockFolder() names for it. The settings
    // folder is made first: one that cannot hold the pet is reported here, before anything starts.
    PetLock(const std::filesystem::path& settingsFolder, const std::string& petName,
            const char* runtimeFolder);
    ~PetLock();
    PetLock(const PetLock&) = delete;
    PetLock& operator=(const PetLock&) = delete;

    // True when this process holds the pet.
    bool held() const { return fd >= 0; }
    // True when another program holds it; false too when the lock could not even be made.
    bool busy() const { return heldElsewhere; }
    // Why the lock file could not be made (a folder that cannot be created, no permission).
    const std::string& problem() const { return failure; }

    // Where the locks of the pets in `settingsFolder` live: in the session's runtime folder
    // (XDG_RUNTIME_DIR: private to the user, in memory, emptied at log-out) when there is one, in
    // a folder of its own for each settings folder, since each keeps its own pets; else in the
    // settings folder's "running".
    static std::filesystem::path lockFolder(const std::filesystem::path& settingsFolder,
                                            const char* runtimeFolder);

private:
    void take(const std::filesystem::path& folder, const std::string& petName);

    int fd = -1;
    bool heldElsewhere = false;
    std::string failure;
};
