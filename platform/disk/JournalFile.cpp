// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/JournalFile.h"

#include "platform/disk/IniSettingsStore.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string Suffix = ".jsonl";

// A file name for any pet name: escaped as the settings section, and kept short enough for
// every file system with a hash of the whole name.
std::string fileBase(const std::string& petName) {
    std::string base = IniSettingsStore::escapeName(petName);
    if (base.size() > 180)
        base = base.substr(0, 160) + "-" + std::to_string(std::hash<std::string>{}(petName));
    return base;
}

// A line is whole when it is one JSON object: a write cut short ends before its closing brace.
bool wholeLine(const std::string& line) {
    return line.size() >= 2 && line.front() == '{' && line.back() == '}' &&
           line.find('\0') == std::string::npos;
}

} // namespace

JournalFile::JournalFile(fs::path folder, Durability durability, WallClock clock)
    : folder(std::move(folder)), durability(durability), clock(std::move(clock)) {}

JournalFile::~JournalFile() {
    close();
}

void JournalFile::close() {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

fs::path JournalFile::userFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path root;
    if (data && *data)
        root = data;
    else if (const char* home = std::getenv("HOME"); home && *home)
        root = fs::path(home) / ".local" / "share";
    else
        root = fs::temp_directory_path();
    return root / "Pipling Simulator" / "journal";
}

int64_t JournalFile::unixMs() const {
    if (clock) return clock();
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void JournalFile::open(const std::string& petName) {
    close();
    pet = petName;
    base = fileBase(petName);
    path = folder / (base + Suffix);
    std::error_code error;
    fs::create_directories(folder, error);
    fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    bytes = 0;
    torn = false;
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && info.st_size > 0) {
        bytes = static_cast<std::size_t>(info.st_size);
        // A file that does not end with a newline was cut short the last time it was written.
        char last = '\n';
        const int reader = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (reader >= 0) {
            if (::pread(reader, &last, 1, info.st_size - 1) != 1) last = '\0';
            ::close(reader);
        }
        torn = last != '\n';
    }
}

bool JournalFile::append(std::string_view line) {
    if (fd < 0) return false;
    char newline = '\n';
    iovec parts[3];
    int count = 0;
    if (torn) parts[count++] = {&newline, 1};
    parts[count++] = {const_cast<char*>(line.data()), line.size()};
    parts[count++] = {&newline, 1};
    const std::size_t total = line.size() + 1 + (torn ? 1 : 0);
    const ssize_t written = ::writev(fd, parts, count);
    if (written > 0) bytes += static_cast<std::size_t>(written);
    if (written != static_cast<ssize_t>(total)) {
        // Whatever reached the file is a fragment without its newline, or nothing at all.
        torn = true;
        return false;
    }
    torn = false;
    if (durability == Durability::Synced) ::fdatasync(fd);
    return true;
}

std::vector<std::string> JournalFile::readLines(const fs::path& file) {
    std::vector<std::string> result;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        // The last line without its newline is a write that did not finish.
        if (in.eof()) break;
        if (wholeLine(line)) result.push_back(line);
    }
    return result;
}

std::vector<std::string> JournalFile::lines() const {
    if (path.empty()) return {};
    return readLines(path);
}

void JournalFile::archive() {
    if (path.empty()) return;
    const std::time_t seconds = static_cast<std::time_t>(unixMs() / 1000);
    std::tm utc{};
    ::gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%S", &utc);
    fs::path past = folder / (base + "~" + stamp + Suffix);
    for (int n = 2; fs::exists(past); ++n)
        past = folder / (base + "~" + stamp + "-" + std::to_string(n) + Suffix);
    std::error_code error;
    fs::rename(path, past, error);
    if (durability == Durability::Synced) {
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    // The oldest finished lives of this pet go when there are too many.
    std::vector<fs::path> finished;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(base + "~", 0) == 0 && name.size() > Suffix.size() &&
            name.compare(name.size() - Suffix.size(), Suffix.size(), Suffix) == 0)
            finished.push_back(entry.path());
    }
    std::sort(finished.begin(), finished.end());
    for (std::size_t i = 0; i + KeptLives < finished.size(); ++i)
        fs::remove(finished[i], error);
    open(std::string(pet));
}

std::vector<std::vector<std::string>> JournalFile::lives() const {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && name.size() > Suffix.size() &&
            name.compare(name.size() - Suffix.size(), Suffix.size(), Suffix) == 0)
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::vector<std::string>> result;
    for (const auto& file : files)
        result.push_back(readLines(file));
    return result;
}
