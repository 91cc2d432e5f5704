// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/StoreFile.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace storefile {

namespace {

bool hasSectionLine(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t last = end;
        if (last > start && text[last - 1] == '\r') --last;
        if (last - start >= 2 && text[start] == '[' && text[last - 1] == ']') return true;
        start = end + 1;
    }
    return false;
}

std::string timeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

Contents read(const fs::path& file) {
    Contents contents;
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    if (error || status.type() == fs::file_type::not_found) return contents;
    contents.exists = true;
    if (fs::status(file, error).type() != fs::file_type::regular || fs::file_size(file, error) > MaxSize ||
        error)
        return contents;
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || !in.is_open() || text.find('\0') != std::string::npos || !hasSectionLine(text))
        return contents;
    contents.readable = true;
    contents.text = std::move(text);
    return contents;
}

int replace(const fs::path& file, const std::string& bytes, bool synced) {
    fs::path temporary = file;
    temporary += ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    int failure = 0;
    for (std::size_t written = 0; written < bytes.size() && failure == 0;) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            failure = n < 0 ? errno : ENOSPC;
        else
            written += static_cast<std::size_t>(n);
    }
    if (failure == 0 && synced && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && std::rename(temporary.c_str(), file.c_str()) != 0) failure = errno;
    if (failure != 0) ::unlink(temporary.c_str());
    return failure;
}

fs::path moveAside(const fs::path& file) {
    const std::string base = file.string() + ".damaged-" + timeStamp();
    std::error_code error;
    for (int n = 1; n < 100; ++n) {
        fs::path aside = n == 1 ? fs::path(base) : fs::path(base + "-" + std::to_string(n));
        if (fs::symlink_status(aside, error).type() != fs::file_type::not_found) continue;
        fs::rename(file, aside, error);
        return error ? fs::path() : aside;
    }
    return {};
}

} // namespace storefile
