// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <chrono>
#include <filesystem>
#include <functional>

// The settings store as one INI file: one section per pet. Section and key names are escaped so
// any name, whatever characters it holds, reaches exactly its own section. Every write takes a
// lock, merges into the file as it is on disk now (another pet's program may have written it),
// and replaces the file atomically.
//
// Nothing the user made is destroyed and the pet is never lost: a file at the store's place that
// is not a settings file (binary, a folder, far too large) is moved aside to
// FILE.damaged-<time> before anything is written; FILE.bak keeps a copy of a good store, renewed
// at most once an hour, and is read when the file is missing or unreadable (the pets come back as
// they were at the backup, and takeNotice() says so for the user to see). A write that fails
// leaves the old file whole; the store says so once and shows it in saveProblem() until a write
// succeeds again.
class IniSettingsStore : public SettingsStore {
public:
    // Synced writes reach the disk before the new file replaces the old one, so a power loss
    // cannot leave an empty file behind. The headless device, which saves a pet minute every few
    // microseconds of its virtual time, may skip that; its writes stay atomic either way.
    enum class Durability { Synced, Unsynced };
    // Receives the messages for the user (each one is given once); the default prints to stderr.
    using Tell = std::function<void(const std::string& message)>;
    explicit IniSettingsStore(std::filesystem::path file, Durability durability = Durability::Synced,
                              Tell tell = {});

    std::optional<std::string> read(const std::string& section, const std::string& key) override;
    bool writeSection(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values) override;

    std::string takeNotice() override;

    // The user starts a pet over: its section leaves the store (kept in FILE.replaced-<time>, so
    // it can be brought back by hand), and the next load finds a first run, even where the store
    // was missing and its backup still holds the pet. Returns false when the store cannot be
    // written; the pet is then left as it was.
    bool startOver(const std::string& section);

    // Every key of one section, in file order; empty when the section does not exist.
    std::vector<std::pair<std::string, std::string>> section(const std::string& name);

    const std::filesystem::path& file() const { return path; }
    std::filesystem::path backupFile() const;
    // Empty while saving works; otherwise a short line on why the last save failed, for the
    // window title or the tray tip.
    const std::string& saveProblem() const { return problem; }

    static constexpr std::chrono::hours BackupInterval{1};

    // Where the per-user store lives: $XDG_CONFIG_HOME (or ~/.config) / "Pipling Simulator".
    static std::filesystem::path userFolder();

    static std::string escapeName(const std::string& name);
    static std::string unescapeName(const std::string& text);

private:
    using Section = std::vector<std::pair<std::string, std::string>>;
    using Content = std::vector<std::pair<std::string, Section>>;

    // The store's content. A file that is not a settings file is moved aside first (under the
    // write lock, which `locked` says the caller already holds); then the backup stands in.
    Content load(bool locked = false);
    static std::string serialize(const Content& content);
    bool save(const Content& content);
    std::filesystem::path lockFile() const;
    void keepBackup(const std::string& text);

    std::filesystem::path path;
    Durability durability;
    Tell tell;
    std::string problem;
    bool backupNoticeGiven = false;
    bool fromBackup = false; // the last load read the backup
    std::string notice;
};
