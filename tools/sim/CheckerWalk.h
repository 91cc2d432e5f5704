// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The walk behind `pipling-sim --check`, shared by the checks of files and of folders.
#include "assets/DescriptionFile.h"
#include "platform/disk/DiskFiles.h"
#include "platform/disk/PathResolver.h"
#include "platform/qt/common/QtPicture.h"
#include "tools/sim/Checker.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace checker {

// Files the program asks for by name outside the loading tables: the pressed button, the
// insulating sheet and its pointer, the booklet's pointer and the about picture.
inline const std::vector<std::string> SkinExtras = {"button1.gif"};
inline const std::vector<std::string> OtherExtras = {"about.gif", "inssheet.gif", "inssheet.cur",
                                                     "instruct.cur"};

// The sounds the device plays; a plug-in cannot bring its own.
inline const std::vector<std::string> Sounds = {
    "attend.wav",   "beep.wav",   "change.wav",  "discipln.wav", "hatch.wav",    "hide.wav",
    "pagedown.wav", "pageup.wav", "playing.wav", "plyhappy.wav", "plystart.wav", "plystop.wav",
    "plyunhap.wav", "reset.wav",  "restore.wav", "turn.wav",     "turnsnd.wav"};

inline std::string lowered(const std::string& text) {
    return lowerAscii(text);
}

struct KnownKeys {
    std::vector<std::string> label, skin, character;
};
KnownKeys knownKeys();
// Letters, digits, space, dot, dash and underscore survive every file system, archive and
// settings file the folder may pass through.
bool isSafeName(const std::string& name);
inline const char* const SafeNameAdvice = "use only letters, digits, space, \".\", \"-\" and \"_\"";
// Where a text stops being UTF-8, or npos.
std::size_t firstNonUtf8(const std::string& text);
// What to tell about a name isSafeName refuses.
std::string nameAdvice(const std::string& name);

class Walk {
public:
    Walk(std::string root, std::string base)
        : root(std::move(root)), base(std::move(base)), keys(knownKeys()) {}

    std::vector<CheckLine> lines;

    void programFolder();
    void skin(const std::string& prefix, bool inPlugin);
    void plugin(const std::string& prefix);
    // Files in the folder the program never opens, and names that do not travel well.
    void unusedFiles(const std::string& prefix, bool plugin);

private:
    enum class IfMissing { Problem, Inherited };
    enum class KeySet { Label, Plugin, Skin, Character };

    void add(CheckLine::Kind kind, const std::string& path, std::string detail = {}) {
        lines.push_back({kind, path, std::move(detail)});
    }
    std::string at(const std::string& folder, const std::string& relative) const {
        std::string path = folder + "/" + relative;
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }
    bool has(const std::string& relative) const { return files.exists(at(root, relative)); }
    bool hasFolder(const std::string& relative) const {
        const auto found = resolve(root, relative);
        return found && std::filesystem::is_directory(*found);
    }
    // The file or folder the program would open for a name, matched without regard to case.
    std::optional<std::filesystem::path> resolve(const std::string& folder,
                                                 const std::string& relative) const {
        return resolvePath(at(folder, relative));
    }
    std::vector<std::string> subfolders(const std::string& relative) const;

    // ifUnusable: what follows when the file does not decode, beyond the missing picture.
    void picture(const std::string& relative, IfMissing ifMissing, const std::string& instead,
                 const std::string& reference, const std::string& ifUnusable = {});
    std::string otherFormat(const std::string& relative) const;
    void buttonPlaces(const std::string& prefix);
    void description(const std::string& relative, KeySet set);
    void value(const std::string& relative, const DescriptionLine& line, KeySet set);
    void unknownKey(const std::string& relative, const std::string& key, KeySet set);

    std::string root, base;
    KnownKeys keys;
    DiskFiles files;
    QtPictureLoader pictures;
    std::set<std::string> looked; // lower-cased relative paths of every file asked for
};

} // namespace checker
