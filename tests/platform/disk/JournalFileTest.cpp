// SPDX-License-Identifier: GPL-3.0-or-later
// The journal file: a torn last line, a full disk and a killed writer each cost at most the line
// being written, never the lines before it, and the next line is whole again.
#include "platform/disk/JournalFile.h"
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string line(int number) {
    JournalEntry entry;
    entry.event = JournalEvent::Meal;
    entry.unixMs = 1767225600000LL + number * 1000LL;
    entry.life = number;
    entry.name = "Rosie \"the\" 1st";
    char text[512];
    return std::string(text, entry.format(text, sizeof text));
}

// The numbers of the lines read back, which must run 0, 1, 2, ... without a gap.
std::vector<int> numbers(const JournalFile& journal) {
    std::vector<int> result;
    for (const std::string& text : journal.lines()) {
        auto entry = JournalEntry::parse(text);
        EXPECT_TRUE(entry) << text;
        if (entry) result.push_back(entry->life);
    }
    return result;
}

std::vector<int> upTo(int count) {
    std::vector<int> result;
    for (int i = 0; i < count; ++i)
        result.push_back(i);
    return result;
}

TEST(JournalFile, ATornLastLineIsLeftOutAndTheNextLineStandsOnItsOwn) {
    const fs::path folder = scratchFolder("journal");
    {
        JournalFile journal(folder, JournalFile::Durability::Unsynced);
        journal.open("Rosie");
        ASSERT_TRUE(journal.append(line(0)));
        ASSERT_TRUE(journal.append(line(1)));
        const auto back = JournalEntry::parse(journal.lines().back());
        ASSERT_TRUE(back);
        EXPECT_EQ(back->name, "Rosie \"the\" 1st");
    }
    // A write that stopped half-way: the file ends inside a line.
    std::ofstream(folder / "Rosie.jsonl", std::ios::app) << line(2).substr(0, 40);
    JournalFile journal(folder, JournalFile::Durability::Unsynced);
    journal.open("Rosie");
    EXPECT_EQ(numbers(journal), upTo(2));
    ASSERT_TRUE(journal.append(line(2)));
    EXPECT_EQ(numbers(journal), upTo(3)) << "the fragment stays a bad line of its own";
    fs::remove_all(folder);
}

TEST(JournalFile, AFullDiskLosesOnlyTheLinesItCouldNotWrite) {
    const fs::path folder = scratchFolder("journal");
    const std::size_t limit = 3 * line(0).size() + line(0).size() / 2;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file may not grow past the limit: the fourth line is cut short, later ones fail.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        JournalFile journal(folder, JournalFile::Durability::Synced);
        journal.open("Rosie");
        int failed = 0;
        for (int i = 0; i < 6; ++i)
            failed += journal.append(line(i)) ? 0 : 1;
        ::_exit(failed == 3 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "three lines fitted, three failed";
    EXPECT_EQ(fs::file_size(folder / "Rosie.jsonl"), limit) << "the fourth line was written in part";

    JournalFile journal(folder, JournalFile::Durability::Unsynced);
    journal.open("Rosie");
    EXPECT_EQ(numbers(journal), upTo(3));
    // With room again the next line is whole, and nothing before it suffered.
    ASSERT_TRUE(journal.append(line(3)));
    EXPECT_EQ(numbers(journal), upTo(4));
    fs::remove_all(folder);
}

TEST(JournalFile, AKilledWriterLosesNothingItWroteAndTheFileGoesOn) {
    const fs::path folder = scratchFolder("journal");
    int written = 0;
    for (int round = 0; round < 6; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            JournalFile journal(folder, JournalFile::Durability::Unsynced);
            journal.open("Rosie");
            int next = static_cast<int>(journal.lines().size());
            // Ready once a line is in, so that every round, however slow the machine, writes.
            journal.append(line(next++));
            char go = 1;
            if (::write(ready[1], &go, 1) != 1) _exit(3);
            for (;; ++next)
                journal.append(line(next));
        }
        char go = 0;
        ASSERT_EQ(::read(ready[0], &go, 1), 1);
        ::usleep(static_cast<useconds_t>(2000 + 3000 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        JournalFile journal(folder, JournalFile::Durability::Unsynced);
        journal.open("Rosie");
        const std::vector<int> found = numbers(journal);
        EXPECT_GT(static_cast<int>(found.size()), written) << "round " << round << " wrote lines";
        EXPECT_EQ(found, upTo(static_cast<int>(found.size()))) << "round " << round;
        written = static_cast<int>(found.size());
    }
    fs::remove_all(folder);
}

TEST(JournalFile, EachNameHasItsOwnFileAndFinishedLivesAreKeptApart) {
    const fs::path folder = scratchFolder("journal");
    int64_t now = 1767225600000LL;
    JournalFile journal(folder, JournalFile::Durability::Unsynced, [&now] { return now; });
    // A name that looks like a finished life of Rosie is a pet of its own.
    for (const char* name : {"Rosie", "../Rosie", "a/b", "Rosie~20260101T000000"}) {
        journal.open(name);
        ASSERT_TRUE(journal.append(line(0)));
    }
    journal.open("Rosie");
    EXPECT_EQ(journal.lines().size(), 1u) << "no other name wrote into Rosie's journal";
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().parent_path(), folder);
    EXPECT_EQ(journal.lives().size(), 4u);

    // A finished life goes aside; the oldest go once there are more than KeptLives.
    for (int life = 0; life < JournalFile::KeptLives + 2; ++life) {
        now += 1000;
        journal.archive();
        ASSERT_TRUE(journal.append(line(life + 1)));
    }
    EXPECT_EQ(numbers(journal), std::vector<int>{JournalFile::KeptLives + 2});
    int rosies = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        rosies += entry.path().filename().string().rfind("Rosie~", 0) == 0 ? 1 : 0;
    EXPECT_EQ(rosies, JournalFile::KeptLives);
    fs::remove_all(folder);
}

} // namespace
