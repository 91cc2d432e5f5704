// The settings file: names reach exactly their own section, writes are all-or-nothing even when
// the program is killed, and programs of two pets writing at once lose nothing.
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/PetLock.h"
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

Values generation(int n, int keys = 42) {
    Values values;
    for (int k = 0; k < keys; ++k)
        values.emplace_back("Key" + std::to_string(k), std::to_string(n));
    return values;
}

TEST(SettingsStore, EveryNameRoundTripsToItsOwnSection) {
    Sim sim;
    IniSettingsStore store(sim.folder() / "names.ini");
    const std::vector<std::string> names = {
        "Pipling", "pipling", "a/b", "a\\b", "a%2Fb", "[Pipling]", "x=y", "  spaced  name ", "Ünïcödé 🐣",
        "line\nbreak", "semi;colon", "", std::string(300, 'q'), std::string("nul\0byte", 8)};
    for (std::size_t i = 0; i < names.size(); ++i)
        ASSERT_TRUE(store.writeSection(names[i], {{"Weight", std::to_string(i)}, {"odd=key", "v=" + names[i]}}));
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(store.read(names[i], "Weight"), std::to_string(i)) << "name #" << i;
        EXPECT_EQ(store.read(names[i], "odd=key"), "v=" + names[i]) << "name #" << i;
        EXPECT_EQ(store.section(names[i]).size(), 2u) << "name #" << i;
    }
    EXPECT_FALSE(store.read("a", "Weight"));
}

TEST(SettingsStore, DamagedFileLinesAreIgnoredAndTheRestReads) {
    Sim sim;
    const fs::path file = sim.folder() / "damaged.ini";
    {
        std::ofstream out(file, std::ios::binary);
        out << "garbage before any section\n[Pet]\nWeight=7\n\x01\xff\xfe no equals\n[unterminated\nAge=3";
    }
    IniSettingsStore store(file);
    EXPECT_EQ(store.read("Pet", "Weight"), "7");
    EXPECT_EQ(store.read("Pet", "Age"), "3");
    ASSERT_TRUE(store.writeSection("Pet", {{"Hunger", "2"}}));
    EXPECT_EQ(store.read("Pet", "Weight"), "7");
    EXPECT_EQ(store.read("Pet", "Hunger"), "2");
}

// A writer killed at random moments leaves the old file or the new one: every key of the section
// always carries the same generation.
TEST(SettingsStore, AKilledWriterNeverLeavesAMixedSection) {
    Sim sim;
    const fs::path file = sim.folder() / "killed.ini";
    IniSettingsStore(file).writeSection("Pet", generation(0));
    for (int round = 0; round < 20; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            IniSettingsStore store(file);
            for (int n = 1;; ++n)
                store.writeSection("Pet", generation(round * 100000 + n));
        }
        usleep(2000 + 997 * round);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const Values section = IniSettingsStore(file).section("Pet");
        ASSERT_EQ(section.size(), 42u) << "round " << round;
        for (const auto& [key, value] : section)
            ASSERT_EQ(value, section.front().second) << "round " << round << " key " << key;
    }
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
        EXPECT_TRUE(other.held());
    }
    EXPECT_TRUE(PetLock(folder, "Rosie").held());

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

} // namespace
