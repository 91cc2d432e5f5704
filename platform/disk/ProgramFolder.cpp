// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::vector<std::string> programFolderCandidates(const std::string& given) {
    std::error_code error;
    if (!given.empty()) return {fs::absolute(given, error).lexically_normal().string()};
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    fs::path folder = error ? fs::current_path(error) : exe.parent_path();
    return {folder.string(), (folder / ".." / "share" / "pipling-simulator").lexically_normal().string()};
}

std::string programFolder(const std::string& given) {
    const std::vector<std::string> candidates = programFolderCandidates(given);
    std::error_code error;
    for (const std::string& folder : candidates)
        if (fs::exists(fs::path(folder) / "default.ini", error)) return folder;
    return candidates.front();
}

std::string programFolderProblem(const std::string& given) {
    std::error_code error;
    if (fs::exists(fs::path(programFolder(given)) / "default.ini", error)) return {};
    std::string text = "no program folder: default.ini is not in ";
    const std::vector<std::string> candidates = programFolderCandidates(given);
    for (std::size_t i = 0; i < candidates.size(); ++i)
        text += (i == 0 ? "" : i + 1 == candidates.size() ? " nor in " : ", ") + candidates[i];
    return text;
}
