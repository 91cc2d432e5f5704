#pragma once

#include "platform/Services.h"

#include <filesystem>
#include <map>

// The settings store as one INI file: one section per pet. Section and key names are escaped so
// any name, whatever characters it holds, reaches exactly its own section. Every write takes a
// lock, merges into the file as it is on disk now (another pet's program may have written it),
// and replaces the file atomically.
class IniSettingsStore : public SettingsStore {
public:
    // Synced writes reach the disk before the new file replaces the old one, so a power loss
    // cannot leave an empty file behind. The headless device, which saves a pet minute every few
    // microseconds of its virtual time, may skip that; its writes stay atomic either way.
    enum class Durability { Synced, Unsynced };
    explicit IniSettingsStore(std::filesystem::path file, Durability durability = Durability::Synced);

    std::optional<std::string> read(const std::string& section, const std::string& key) override;
    bool writeSection(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values) override;

    // Every key of one section, in file order; empty when the section does not exist.
    std::vector<std::pair<std::string, std::string>> section(const std::string& name) const;

    // Where the per-user store lives: $XDG_CONFIG_HOME (or ~/.config) / "Pipling Simulator".
    static std::filesystem::path userFolder();

    static std::string escapeName(const std::string& name);
    static std::string unescapeName(const std::string& text);

private:
    using Section = std::vector<std::pair<std::string, std::string>>;
    using Content = std::vector<std::pair<std::string, Section>>;

    Content load() const;
    bool save(const Content& content) const;

    std::filesystem::path path;
    Durability durability;
};
