// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/JournalStore.h"

#include <filesystem>
#include <functional>

// The life journals as files: FOLDER/NAME.jsonl for each pet's current life, with NAME escaped as
// its settings section is, and FOLDER/NAME~YYYYMMDDTHHMMSS.jsonl for its finished lives (at most
// KeptLives of them; the oldest go first).
//
// Each line is one write(2) on a file opened with O_APPEND, so a program that is killed loses
// nothing it has written and two writers never interleave inside a line. A write that fails or
// is cut short (a full disk) leaves at most a fragment at the end: the next line is written
// after a newline of its own, and readers drop any line that is not whole, so one bad write never
// spoils the lines before or after it. Synced journals call fdatasync after every line, so a
// power loss too costs at most the line being written; lines come a few times a pet hour (ten
// real minutes), and a sync costs well under the tick's 10 ms on a disk. The headless device,
// which lives a pet week in seconds, does not sync.
class JournalFile : public JournalStore {
public:
    enum class Durability { Synced, Unsynced };
    using WallClock = std::function<int64_t()>;
    JournalFile(std::filesystem::path folder, Durability durability, WallClock clock = {});
    ~JournalFile() override;
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;

    void open(const std::string& petName) override;
    bool append(std::string_view line) override;
    std::size_t size() const override { return bytes; }
    std::vector<std::string> lines() const override;
    void archive() override;
    std::vector<std::vector<std::string>> lives() const override;
    int64_t unixMs() const override;

    const std::filesystem::path& file() const { return path; }
    static constexpr int KeptLives = 100;

    // $XDG_DATA_HOME (or ~/.local/share) / "Pipling Simulator" / "journal".
    static std::filesystem::path userFolder();
    // The whole lines of a journal file; a torn line (no newline, or not a whole object) is left out.
    static std::vector<std::string> readLines(const std::filesystem::path& file);

private:
    void close();

    std::filesystem::path folder;
    std::filesystem::path path;
    std::string pet;  // the pet's name
    std::string base; // the escaped name
    Durability durability;
    WallClock clock;
    int fd = -1;
    std::size_t bytes = 0;
    bool torn = false; // the file does not end with a newline
};
