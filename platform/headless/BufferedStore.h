// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/disk/IniSettingsStore.h"

#include <algorithm>
#include <map>

// The headless device's store: the settings file, read once per section and written back by
// flush(). The headless device saves a pet minute every few microseconds of its virtual time;
// keeping those saves in memory until the script ends (or the device unloads) makes a whole pet
// life take seconds instead of minutes, and leaves the file exactly as the last save made it.
class BufferedStore : public SettingsStore {
public:
    explicit BufferedStore(std::filesystem::path file);
    ~BufferedStore() override;

    std::optional<std::string> read(const std::string& section, const std::string& key) override;
    bool writeSection(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values) override;
    std::string takeNotice() override { return file.takeNotice(); }
    std::vector<std::pair<std::string, std::string>> section(const std::string& name);
    // Writes every changed section to the file; false if a write failed.
    bool flush();
    // Forgets every write not yet flushed, so the file stays as it was.
    void discard() { dirty.clear(); }

private:
    using Values = std::vector<std::pair<std::string, std::string>>;
    Values& cached(const std::string& name);

    IniSettingsStore file;
    std::map<std::string, Values> sections;
    std::map<std::string, bool> dirty;
};
