// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: names reach exactly their own section, writes are all-or-nothing even when
// the program is killed, and programs of two pets writing at once lose nothing.
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/PetLock.h"
#include "platform/disk/StoreFile.h"
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

Values generation(int n, int keys = 42) {
    Values result;
    for (int k = 0; k < keys; ++k)
        result.emplace_back("Key" + std::to_string(k), std::to_string(n));
    return result;
}

TEST(SettingsStore, EveryNameRoundTripsToItsOwnSectionAndDamagedLinesAreSkipped) {
    Sim sim;
    IniSettingsStore store(sim.folder() / "names.ini");
    std::vector<std::string> names = {"Pipling",   "pipling",     "a/b",        "a\\b",
                                      "a%2Fb",     "[Pipling]",   "x=y",        "  spaced  name ",
                                      "Ünïcödé 🐣", "line\nbreak", "semi;colon", ""};
    names.push_back(std::string(300, 'q'));
    names.push_back(std::string("nul\0byte", 8));
    for (std::size_t i = 0; i < names.size(); ++i)
        ASSERT_TRUE(
            store.writeSection(names[i], {{"Weight", std::to_string(i)}, {"odd=key", "v=" + names[i]}}));
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(store.read(names[i], "Weight"), std::to_string(i)) << "name #" << i;
        EXPECT_EQ(store.read(names[i], "odd=key"), "v=" + names[i]) << "name #" << i;
        EXPECT_EQ(store.section(names[i]).size(), 2u) << "name #" << i;
    }
    EXPECT_FALSE(store.read("a", "Weight"));
    EXPECT_EQ(IniSettingsStore::unescapeName("a%2fb%2Fc%ff"), "a/b/c\xff")
        << "hand-edited escapes in either case";

    // Damaged lines of a file are ignored and the rest reads.
    const fs::path file = sim.folder() / "damaged.ini";
    {
        std::ofstream out(file, std::ios::binary);
        out << "garbage before any section\n[Pet]\nWeight=7\n\x01\xff\xfe no equals\n[unterminated\nAge=3";
    }
    IniSettingsStore damaged(file);
    EXPECT_EQ(damaged.read("Pet", "Weight"), "7");
    EXPECT_EQ(damaged.read("Pet", "Age"), "3");
    ASSERT_TRUE(damaged.writeSection("Pet", {{"Hunger", "2"}}));
    EXPECT_EQ(damaged.read("Pet", "Weight"), "7");
    EXPECT_EQ(damaged.read("Pet", "Hunger"), "2");
}

// Every key of the section carries the same generation, and the file is a settings file.
void expectWholeStore(const fs::path& file, int round) {
    ASSERT_TRUE(storefile::read(file).readable) << file << " round " << round;
    const Values section = IniSettingsStore(file).section("Pet");
    ASSERT_EQ(section.size(), 42u) << file << " round " << round;
    for (const auto& [key, value] : section)
        ASSERT_EQ(value, section.front().second) << file << " round " << round << " key " << key;
}

// Forking a sanitized process copies its shadow memory's page tables and costs tens of
// milliseconds; that build kills fewer writers, the plain build a thousand.
#if defined(__SANITIZE_ADDRESS__)
#define STORE_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STORE_TEST_SANITIZED 1
#endif
#endif
#ifdef STORE_TEST_SANITIZED
constexpr int KilledWriters = 100;
#else
constexpr int KilledWriters = 1000;
#endif

// A writer killed at random moments of its writing leaves the old file or the new one, and the
// same for the backup, which every fourth round is due again.
TEST(SettingsStore, AKilledWriterNeverLeavesADamagedOrMixedStore) {
    Sim sim;
    const fs::path file = sim.folder() / "killed.ini";
    IniSettingsStore(file).writeSection("Pet", generation(0));
    std::mt19937 random(20240611);
    // Kill moments span about three writes, as long as a write takes in this build on this machine.
    const auto started = std::chrono::steady_clock::now();
    for (int n = 0; n < 20; ++n)
        IniSettingsStore(file).writeSection("Pet", generation(0));
    const auto perWrite =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started) /
        20;
    std::uniform_int_distribution<long> moment(0, 3 * std::max<long>(perWrite.count(), 100));
    std::string last = fileBytes(file);
    int changed = 0; // rounds in which the child finished a write before it was killed
    for (int round = 0; round < KilledWriters; ++round) {
        if (round % 4 == 0)
            fs::last_write_time(file.string() + ".bak",
                                fs::file_time_type::clock::now() - std::chrono::hours(2));
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            IniSettingsStore store(file);
            (void)!write(ready[1], "r", 1);
            for (int n = 1;; ++n) {
                store.writeSection("Pet", generation(round * 100000 + n));
                (void)!write(ready[1], "w", 1);
            }
        }
        // The moment counts from the child's first write, however long the fork took; every other
        // round from the end of its first write, so kills after a finished write happen however
        // slow a loaded machine makes the writes.
        char begun = 0;
        ASSERT_EQ(read(ready[0], &begun, 1), 1);
        if (round % 2 == 1) {
            ASSERT_EQ(read(ready[0], &begun, 1), 1);
        }
        close(ready[0]);
        close(ready[1]);
        usleep(static_cast<useconds_t>(moment(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        expectWholeStore(file, round);
        expectWholeStore(file.string() + ".bak", round);
        if (HasFatalFailure()) return;
        const std::string now = fileBytes(file);
        changed += now != last;
        last = now;
    }
    // Kills land both before a first write and after some: the moments are not all of one kind.
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, KilledWriters);
    std::printf("killed writers had replaced the file in %d of %d rounds\n", changed, KilledWriters);
    for (const auto& entry : fs::directory_iterator(sim.folder()))
        EXPECT_EQ(entry.path().string().find("damaged"), std::string::npos) << entry.path();
}

TEST(SettingsStore, TwoPetsWritingAtOnceKeepBothSections) {
    Sim sim;
    const fs::path file = sim.folder() / "shared.ini";
    std::vector<pid_t> children;
    for (const char* pet : {"Alpha", "Beta"}) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            IniSettingsStore store(file);
            for (int n = 1; n <= 60; ++n)
                store.writeSection(pet, generation(n, 5));
            _exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children)
        waitpid(child, nullptr, 0);
    IniSettingsStore store(file);
    EXPECT_EQ(store.read("Alpha", "Key4"), "60");
    EXPECT_EQ(store.read("Beta", "Key4"), "60");
}

TEST(PetLock, OneHolderPerPetAndAKilledHolderReleases) {
    Sim sim;
    const fs::path folder = sim.folder() / "locks";
    {
        PetLock first(folder, "Rosie");
        PetLock second(folder, "Rosie");
        PetLock other(folder, "rosie/../Rosie");
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(second.busy());
        EXPECT_TRUE(other.held());
    }
    EXPECT_TRUE(PetLock(folder, "Rosie").held());
    // A folder that cannot be made is no running pet: it is reported as what it is.
    std::ofstream(sim.folder() / "a file") << "x";
    PetLock nowhere(sim.folder() / "a file" / "locks", "Rosie");
    EXPECT_FALSE(nowhere.held());
    EXPECT_FALSE(nowhere.busy());
    EXPECT_NE(nowhere.problem().find("a file"), std::string::npos) << nowhere.problem();

    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PetLock lock(folder, std::string(400, 'x'));
        char held = lock.held() ? 'y' : 'n';
        (void)!write(ready[1], &held, 1);
        pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_FALSE(PetLock(folder, std::string(400, 'x')).held());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(PetLock(folder, std::string(400, 'x')).held());
    close(ready[0]);
    close(ready[1]);
}

// With a session runtime folder the locks live there, one folder per settings folder (each keeps
// its own pets, so the same name in two of them is two pets); without one, or with a relative one,
// in the settings folder. A settings folder that cannot hold the pet is reported, not taken for a
// running pet, wherever the lock would be.
TEST(PetLock, LivesInTheRuntimeFolderWhenTheSessionHasOne) {
    Sim sim;
    const fs::path home = sim.folder() / "config", other = sim.folder() / "other config";
    const std::string runtime = (sim.folder() / "runtime").string();
    {
        PetLock first(home, "Rosie", runtime.c_str());
        EXPECT_TRUE(first.held()) << first.problem();
        EXPECT_FALSE(fs::exists(home / "running"));
        const fs::path folder = PetLock::lockFolder(home, runtime.c_str());
        EXPECT_EQ(folder.parent_path(), fs::path(runtime) / "pipling-simulator");
        EXPECT_TRUE(fs::exists(folder / "Rosie.lock"));
        EXPECT_TRUE(PetLock(home, "Rosie", runtime.c_str()).busy());
        EXPECT_TRUE(PetLock(other, "Rosie", runtime.c_str()).held());
        EXPECT_EQ(PetLock::lockFolder(home / "." / "", runtime.c_str()), folder);
    }
    for (const char* none : {static_cast<const char*>(nullptr), "", "relative/runtime"}) {
        EXPECT_EQ(PetLock::lockFolder(home, none), home / "running");
        PetLock held(home, "Rosie", none);
        EXPECT_TRUE(held.held()) << held.problem();
        EXPECT_TRUE(fs::exists(home / "running" / "Rosie.lock"));
    }
    std::ofstream(sim.folder() / "a file") << "x";
    PetLock nowhere(sim.folder() / "a file", "Rosie", runtime.c_str());
    EXPECT_FALSE(nowhere.held());
    EXPECT_FALSE(nowhere.busy());
    EXPECT_NE(nowhere.problem().find("a file"), std::string::npos) << nowhere.problem();
}

} // namespace
