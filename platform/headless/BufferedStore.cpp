// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/BufferedStore.h"

BufferedStore::BufferedStore(std::filesystem::path path)
    : file(std::move(path), IniSettingsStore::Durability::Unsynced) {}

BufferedStore::~BufferedStore() {
    flush();
}

BufferedStore::Values& BufferedStore::cached(const std::string& name) {
    auto found = sections.find(name);
    if (found == sections.end()) found = sections.emplace(name, file.section(name)).first;
    return found->second;
}

std::optional<std::string> BufferedStore::read(const std::string& section, const std::string& key) {
    for (const auto& [k, v] : cached(section))
        if (k == key) return v;
    return std::nullopt;
}

bool BufferedStore::writeSection(const std::string& section, const Values& values) {
    Values& target = cached(section);
    // No structured binding here: clang 14, which builds the fuzz targets, cannot capture one.
    for (const auto& written : values) {
        auto existing = std::find_if(target.begin(), target.end(),
                                     [&](const auto& entry) { return entry.first == written.first; });
        if (existing != target.end())
            existing->second = written.second;
        else
            target.push_back(written);
    }
    dirty[section] = true;
    return true;
}

BufferedStore::Values BufferedStore::section(const std::string& name) {
    return cached(name);
}

bool BufferedStore::flush() {
    bool written = true;
    for (auto& [name, changed] : dirty)
        if (changed) {
            written = file.writeSection(name, sections[name]) && written;
            changed = false;
        }
    return written;
}
