// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/IniSettingsStore.h"

#include "platform/disk/StoreFile.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr char Hex[] = "0123456789ABCDEF";

bool plainNameChar(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '-' || c == '.';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string escapeValue(const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\0')
            out += "\\0";
        else
            out += c;
    }
    return out;
}

std::string unescapeValue(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == '0' ? '\0' : next;
    }
    return out;
}

using Section = std::vector<std::pair<std::string, std::string>>;
using Content = std::vector<std::pair<std::string, Section>>;

Content parse(const std::string& text) {
    Content content;
    std::istringstream in(text);
    std::string line;
    Section* current = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string name = IniSettingsStore::unescapeName(line.substr(1, line.size() - 2));
            current = nullptr;
            for (auto& [sectionName, section] : content)
                if (sectionName == name) current = &section;
            if (!current) current = &content.emplace_back(name, Section{}).second;
            continue;
        }
        std::size_t equals = line.find('=');
        if (!current || equals == std::string::npos)
            continue; // not ours: a damaged or hand-edited line is ignored
        std::string key = IniSettingsStore::unescapeName(line.substr(0, equals));
        std::string value = unescapeValue(line.substr(equals + 1));
        bool replaced = false;
        for (auto& [k, v] : *current)
            if (k == key) {
                v = value;
                replaced = true;
            }
        if (!replaced) current->emplace_back(key, value);
    }
    return content;
}

// Holds an exclusive lock on a file beside the store for as long as it lives.
class FileLock {
public:
    explicit FileLock(const fs::path& path) : fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd >= 0) ::flock(fd, LOCK_EX);
    }
    ~FileLock() {
        if (fd >= 0) ::close(fd);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd;
};

// When a file was last written, in local time, as the user's clock showed it.
std::string backupTime(const fs::path& file) {
    std::error_code error;
    const auto written = fs::last_write_time(file, error);
    if (error) return "an unknown time";
    const auto age = std::chrono::duration_cast<std::chrono::system_clock::duration>(
        fs::file_time_type::clock::now() - written);
    const std::time_t time = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now() - age);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string fileTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

IniSettingsStore::IniSettingsStore(fs::path file, Durability durability, Tell tell)
    : path(std::move(file)), durability(durability), tell(std::move(tell)) {
    if (!this->tell)
        this->tell = [](const std::string& message) {
            std::fprintf(stderr, "pipling: %s\n", message.c_str());
        };
}

fs::path IniSettingsStore::userFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (config && *config)
        base = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".config";
    else
        base = fs::temp_directory_path();
    return base / "Pipling Simulator";
}

std::string IniSettingsStore::escapeName(const std::string& name) {
    std::string out;
    for (unsigned char c : name) {
        if (plainNameChar(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 15];
        }
    }
    return out;
}

std::string IniSettingsStore::unescapeName(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

fs::path IniSettingsStore::backupFile() const {
    fs::path backup = path;
    return backup += ".bak";
}

fs::path IniSettingsStore::lockFile() const {
    fs::path lock = path;
    return lock += ".lock";
}

IniSettingsStore::Content IniSettingsStore::load(bool locked) {
    fromBackup = false;
    const storefile::Contents current = storefile::read(path);
    if (current.readable) return parse(current.text);
    if (current.exists) {
        if (!locked) {
            // Another program may be replacing the file right now: decide again under the lock.
            FileLock lock(lockFile());
            return load(true);
        }
        const fs::path aside = storefile::moveAside(path);
        if (aside.empty())
            tell("the settings file " + path.string() +
                 " cannot be read and cannot be moved aside; "
                 "it is left as it is and the pets start anew");
        else
            tell("the settings file " + path.string() + " could not be read; it was moved to " +
                 aside.string());
    }
    const storefile::Contents backup = storefile::read(backupFile());
    if (!backup.readable) return {};
    fromBackup = true;
    if (!backupNoticeGiven) {
        const std::string when = backupTime(backupFile());
        tell("the pets are read from the backup " + backupFile().string() + " of " + when +
             ", as the settings file was missing or unreadable (pipling --new NAME starts a pet over)");
        notice = "Restored from the backup of " + when;
    }
    backupNoticeGiven = true;
    return parse(backup.text);
}

std::string IniSettingsStore::takeNotice() {
    return std::exchange(notice, std::string());
}

bool IniSettingsStore::startOver(const std::string& section) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    FileLock lock(lockFile());
    Content content = load(true);
    Content old;
    for (auto it = content.begin(); it != content.end();)
        if (it->first == section) {
            old.push_back(std::move(*it));
            it = content.erase(it);
        } else {
            ++it;
        }
    if (!old.empty()) {
        fs::path kept = path;
        kept += ".replaced-" + fileTimeStamp();
        if (const int failure = storefile::replace(kept, serialize(old), durability == Durability::Synced)) {
            problem = "cannot keep the old pet in " + kept.string() + ": " + std::strerror(failure);
            return false;
        }
        tell("the pet \"" + section + "\" starts over; the old one is kept in " + kept.string());
    }
    // The pet that starts over is no restored one; the other pets that came back with it are.
    if (fromBackup)
        notice = content.empty() ? std::string()
                                 : "Other pets restored from the backup of " + backupTime(backupFile());
    if (old.empty() && !fromBackup) return true;
    // The pet's section stays, empty: a store with no section at all would not read as a settings
    // file, and the backup would stand in for it again.
    content.emplace_back(section, Section{});
    return save(content);
}

std::string IniSettingsStore::serialize(const Content& content) {
    std::ostringstream text;
    for (const auto& [name, section] : content) {
        text << '[' << escapeName(name) << "]\n";
        for (const auto& [key, value] : section)
            text << escapeName(key) << '=' << escapeValue(value) << '\n';
        text << '\n';
    }
    return text.str();
}

bool IniSettingsStore::save(const Content& content) {
    const std::string data = serialize(content);
    if (const int error = storefile::replace(path, data, durability == Durability::Synced); error != 0) {
        const bool first = problem.empty();
        problem = "Cannot save the pet: " + std::string(std::strerror(error));
        if (first)
            tell("cannot save the pets to " + path.string() + " (" + std::strerror(error) +
                 "); the last saved file is kept and the pet lives on");
        return false;
    }
    if (!problem.empty()) tell("the pets are saved again to " + path.string());
    problem.clear();
    keepBackup(data);
    return true;
}

void IniSettingsStore::keepBackup(const std::string& text) {
    std::error_code error;
    const fs::path backup = backupFile();
    const auto written = fs::last_write_time(backup, error);
    if (!error && fs::file_time_type::clock::now() - written < BackupInterval) return;
    // A backup that cannot be written is tried again at the next save; the store itself is fine.
    storefile::replace(backup, text, durability == Durability::Synced);
}

std::optional<std::string> IniSettingsStore::read(const std::string& section, const std::string& key) {
    for (const auto& [name, values] : load())
        if (name == section)
            for (const auto& [k, v] : values)
                if (k == key) return v;
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniSettingsStore::section(const std::string& name) {
    for (auto& [sectionName, values] : load())
        if (sectionName == name) return values;
    return {};
}

bool IniSettingsStore::writeSection(const std::string& section,
                                    const std::vector<std::pair<std::string, std::string>>& values) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    FileLock lock(lockFile());
    Content content = load(true);
    Section* target = nullptr;
    for (auto& [name, existing] : content)
        if (name == section) target = &existing;
    if (!target) target = &content.emplace_back(section, Section{}).second;
    for (const auto& [key, value] : values) {
        bool replaced = false;
        for (auto& [k, v] : *target)
            if (k == key) {
                v = value;
                replaced = true;
            }
        if (!replaced) target->emplace_back(key, value);
    }
    return save(content);
}
