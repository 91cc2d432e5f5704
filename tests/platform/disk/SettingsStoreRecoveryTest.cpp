// SPDX-License-Identifier: GPL-3.0-or-later
// The pet is never lost: a store that cannot be written keeps its last good file, a file that is
// not a settings file is moved aside rather than overwritten, and a backup stands in for a lost
// file.
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/StoreFile.h"
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

Values pet(int weight) {
    return {{"InsulatingSheet", "0"}, {"CharacterNo", "2"}, {"Weight", std::to_string(weight)}};
}

// A store whose messages for the user are kept for the test to read.
struct TellingStore {
    explicit TellingStore(const fs::path& file)
        : store(file, IniSettingsStore::Durability::Synced,
                [this](const std::string& m) { told.push_back(m); }) {}
    std::vector<std::string> told;
    IniSettingsStore store;
};

std::vector<fs::path> damagedBeside(const fs::path& file) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(file.parent_path()))
        if (entry.path().filename().string().rfind(file.filename().string() + ".damaged-", 0) == 0)
            found.push_back(entry.path());
    return found;
}

// A full disk, simulated by a file size limit in a child: every save fails and leaves the last
// good file whole, a pet lives on through its failing minute saves, the user is told once, and
// the first save after room is made again succeeds. The child's exit status names the first
// check that failed.
TEST(SettingsStoreRecovery, AFullDiskKeepsTheLastGoodFileAndTellsOnce) {
    Sim sim(Sim::noAssets());
    const fs::path file = sim.folder() / "settings.ini";
    ASSERT_TRUE(IniSettingsStore(file).writeSection("Pipling", pet(23)));
    ASSERT_TRUE(IniSettingsStore(sim.storeFile()).writeSection("Pipling", pet(20)));
    const std::string before = fileBytes(file);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails as on a full disk
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t hard = limit.rlim_max;
        limit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &limit);
        TellingStore telling(file);
        if (telling.store.writeSection("Pipling", pet(30))) _exit(1);
        if (sim.tryRun("start\nwait 180\nget MinuteCount") || sim.last()["MinuteCount"].toInt() != 3)
            _exit(2);
        if (fileBytes(file) != before || telling.told.size() != 1 || telling.store.saveProblem().empty())
            _exit(3);
        limit.rlim_cur = hard;
        setrlimit(RLIMIT_FSIZE, &limit);
        if (!telling.store.writeSection("Pipling", pet(31)) || !telling.store.saveProblem().empty()) _exit(4);
        _exit(telling.told.size() == 2 ? 0 : 5);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(IniSettingsStore(file).read("Pipling", "Weight"), "31");
    EXPECT_TRUE(fs::exists(file.string() + ".bak"));
}

// A folder where the store's temporary file goes fails every write, even for root, to whom a
// read-only folder is writable.
TEST(SettingsStoreRecovery, AnUnwritableStoreFailsWholeUntilItCanBeWrittenAgain) {
    Sim sim;
    const fs::path file = sim.folder() / "settings.ini";
    TellingStore telling(file);
    ASSERT_TRUE(telling.store.writeSection("Pipling", pet(23)));
    const std::string before = fileBytes(file);
    fs::create_directories(file.string() + ".tmp/blocked");
    for (int weight : {24, 25, 26})
        EXPECT_FALSE(telling.store.writeSection("Pipling", pet(weight)));
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(telling.store.read("Pipling", "Weight"), "23");
    ASSERT_EQ(telling.told.size(), 1u);
    EXPECT_NE(telling.told[0].find(file.string()), std::string::npos) << telling.told[0];
    EXPECT_NE(telling.store.saveProblem().find("Cannot save"), std::string::npos);

    fs::remove_all(file.string() + ".tmp");
    EXPECT_TRUE(telling.store.writeSection("Pipling", pet(27)));
    EXPECT_EQ(telling.store.saveProblem(), "");
    EXPECT_EQ(telling.store.read("Pipling", "Weight"), "27");
    EXPECT_EQ(telling.told.size(), 2u);
}

// Binary garbage, a folder and a file far too large to be a store: each is moved aside whole
// (told once, with where it went) and the pet starts anew.
TEST(SettingsStoreRecovery, WhatIsNotASettingsFileIsMovedAsideAndThePetStartsAnew) {
    const std::string garbage("\x7f"
                              "ELF\x02\x01\x01\0\0\0[Pipling]\0Weight=9\n\xff\xfe",
                              27);
    for (const std::string kind : {"garbage", "folder", "huge"}) {
        SCOPED_TRACE(kind);
        Sim sim;
        const fs::path file = sim.storeFile();
        if (kind == "garbage") {
            std::ofstream(file, std::ios::binary) << garbage;
        } else if (kind == "folder") {
            fs::create_directories(file / "inside");
        } else {
            std::ofstream(file, std::ios::binary) << "[Pipling]\nWeight=9\n";
            fs::resize_file(file, 100 * 1024 * 1024); // sparse: cheap to make, too large to read
        }
        TellingStore telling(file);
        EXPECT_FALSE(telling.store.read("Pipling", "InsulatingSheet"));
        EXPECT_FALSE(telling.store.read("Pipling", "Weight"));
        const auto aside = damagedBeside(file);
        ASSERT_EQ(aside.size(), 1u);
        ASSERT_EQ(telling.told.size(), 1u);
        EXPECT_NE(telling.told[0].find(aside[0].string()), std::string::npos) << telling.told[0];
        if (kind == "garbage")
            EXPECT_EQ(fileBytes(aside[0]), garbage);
        else if (kind == "folder")
            EXPECT_TRUE(fs::is_directory(aside[0] / "inside"));
        else
            EXPECT_EQ(fs::file_size(aside[0]), 100u * 1024 * 1024);

        // The device finds no pet, runs its first run, and saves it where the file was.
        sim.run("start\nquit");
        EXPECT_EQ(sim.settings()["InsulatingSheet"].toString(), "1");
        EXPECT_EQ(sim.settings()["CharacterNo"].toString(), "0");
        EXPECT_TRUE(storefile::read(file).readable);
        EXPECT_EQ(damagedBeside(file).size(), 1u);
    }
}

// The backup: made by the first save, left alone for an hour, then renewed; it stands in when the
// file is missing or unreadable (the pet comes back as it was at the backup), told once.
TEST(SettingsStoreRecovery, TheHourlyBackupStandsInForALostFile) {
    Sim sim;
    const fs::path file = sim.folder() / "settings.ini";
    const fs::path backup = file.string() + ".bak";
    {
        IniSettingsStore store(file);
        ASSERT_TRUE(store.writeSection("Pipling", pet(20)));
        EXPECT_EQ(fileBytes(backup), fileBytes(file));
        ASSERT_TRUE(store.writeSection("Pipling", pet(21)));
        EXPECT_EQ(IniSettingsStore(backup).read("Pipling", "Weight"), "20") << "renewed within the hour";
        fs::last_write_time(backup, fs::file_time_type::clock::now() - std::chrono::minutes(61));
        ASSERT_TRUE(store.writeSection("Pipling", pet(22)));
        EXPECT_EQ(IniSettingsStore(backup).read("Pipling", "Weight"), "22");
        ASSERT_TRUE(store.writeSection("Pipling", pet(23)));
    }

    fs::remove(file);
    TellingStore missing(file);
    EXPECT_EQ(missing.store.read("Pipling", "Weight"), "22");
    EXPECT_EQ(missing.store.read("Pipling", "CharacterNo"), "2");
    ASSERT_EQ(missing.told.size(), 1u);
    EXPECT_NE(missing.told[0].find(backup.string()), std::string::npos) << missing.told[0];
    ASSERT_TRUE(missing.store.writeSection("Other", {{"Weight", "5"}}));
    EXPECT_EQ(IniSettingsStore(file).read("Pipling", "Weight"), "22")
        << "the backup's pets were written back";

    std::ofstream(file, std::ios::binary) << std::string(4096, '\0');
    TellingStore unreadable(file);
    EXPECT_EQ(unreadable.store.read("Pipling", "Weight"), "22");
    EXPECT_EQ(unreadable.told.size(), 2u) << "moved aside, then read from the backup";
    EXPECT_EQ(damagedBeside(file).size(), 1u);
}

std::vector<fs::path> replacedBeside(const fs::path& file) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(file.parent_path()))
        if (entry.path().filename().string().rfind(file.filename().string() + ".replaced-", 0) == 0)
            found.push_back(entry.path());
    return found;
}

// A pet brought back from the backup is no silent return: the tray tip says so (for the first
// ten minutes, then the pet's status comes back). A pet started over on purpose stays new, even
// where the store is missing and the backup still holds the old one, which is kept aside.
TEST(SettingsStoreRecovery, ARestoredPetIsToldInTheTrayAndAPetStartedOverStaysNew) {
    {
        Sim sim;
        const fs::path file = sim.storeFile();
        ASSERT_TRUE(IniSettingsStore(file).writeSection("Pipling", pet(33)));
        fs::remove(file);
        sim.run("start\nwait 1");
        QJsonObject state = sim.dump();
        EXPECT_EQ(state["fields"].toObject()["Weight"].toInt(), 33);
        const std::string tip = state["tray"].toObject()["tip"].toString().toStdString();
        EXPECT_EQ(tip.rfind("Restored from the backup of ", 0), 0u) << tip;
        sim.run("wait 600");
        EXPECT_EQ(sim.dump()["tray"].toObject()["tip"].toString().toStdString().find("Restored"),
                  std::string::npos)
            << "the notice gave way to the pet's status";
        sim.run("quit");
        sim.reopen();
        sim.run("start\nwait 1");
        EXPECT_EQ(sim.dump()["tray"].toObject()["tip"].toString().toStdString().find("Restored"),
                  std::string::npos)
            << "a store that is there again brings no notice";
    }

    {
        // The backup holds this pet alone.
        Sim sim;
        const fs::path file = sim.storeFile();
        ASSERT_TRUE(IniSettingsStore(file).writeSection("Pipling", pet(44)));
        fs::remove(file);
        TellingStore store(file);
        ASSERT_TRUE(store.store.startOver("Pipling"));
        EXPECT_EQ(store.store.takeNotice(), "");
        TellingStore again(file);
        EXPECT_EQ(again.store.read("Pipling", "InsulatingSheet"), std::nullopt);
        EXPECT_EQ(again.told.size(), 0u) << "the store that starts over is no lost one";
    }

    Sim sim;
    const fs::path file = sim.storeFile();
    ASSERT_TRUE(IniSettingsStore(file).writeSection("Pipling", pet(44)));
    fs::last_write_time(file.string() + ".bak", fs::file_time_type::clock::now() - std::chrono::hours(2));
    ASSERT_TRUE(IniSettingsStore(file).writeSection("Other", pet(55)));
    fs::remove(file);
    {
        TellingStore store(file);
        ASSERT_TRUE(store.store.startOver("Pipling"));
        EXPECT_EQ(store.store.takeNotice().rfind("Other pets restored from the backup of ", 0), 0u);
        EXPECT_EQ(store.store.takeNotice(), "") << "told once";
    }
    const auto kept = replacedBeside(file);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(IniSettingsStore(kept[0]).read("Pipling", "Weight"), "44");
    EXPECT_EQ(IniSettingsStore(file).read("Other", "Weight"), "55");
    sim.run("start");
    EXPECT_EQ(sim.number("CharacterNo"), 0);
    EXPECT_EQ(sim.number("InsulatingSheet"), 1) << "a first run, sheet and all";
    EXPECT_EQ(sim.dump()["tray"].toObject()["tip"].toString(), "Pipling");
}

} // namespace
