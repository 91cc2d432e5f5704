#include "platform/disk/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string programFolder(const std::string& given) {
    std::error_code error;
    if (!given.empty())
        return fs::absolute(given, error).lexically_normal().string();
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    fs::path folder = error ? fs::current_path(error) : exe.parent_path();
    if (fs::exists(folder / "default.ini", error))
        return folder.string();
    fs::path shared = (folder / ".." / "share" / "pipling-simulator").lexically_normal();
    if (fs::exists(shared / "default.ini", error))
        return shared.string();
    return folder.string();
}
