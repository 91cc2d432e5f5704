#include "tools/sim/CheckerWalk.h"

#include "app/Form1.h"
#include "assets/AssetTables.h"
#include "assets/DescriptionFile.h"
#include "assets/DescriptionKeys.h"
#include "platform/Numbers.h"
#include "platform/disk/DiskFiles.h"
#include "platform/headless/BufferedStore.h"
#include "platform/headless/Headless.h"
#include "platform/qt/common/QtPicture.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <regex>
#include <set>

namespace fs = std::filesystem;
using Kind = CheckLine::Kind;

namespace checker {

namespace {

const std::vector<std::string> AboutKeys = {"name", "description"};

bool isPositionKey(const std::string& key) {
    return key.ends_with(".left") || key.ends_with(".top") || (key.starts_with("egg") && key != "egg");
}

} // namespace

// The key tables belong to a device; a headless one that never starts is enough to read them.
KnownKeys knownKeys() {
    VirtualClock clock;
    ScriptedChance chance;
    BufferedStore store(fs::path{});
    DiskFiles files;
    QtPictureLoader pictures;
    RecordingSound sound("");
    RecordingTray tray;
    HeadlessDesktop desktop;
    Platform platform{clock, chance, store, files, pictures, sound, tray, desktop, ""};
    Form1 form(platform);
    return {labelFileKeys(form), skinFileKeys(form), characterFileKeys()};
}

bool isSafeName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) {
               return std::isalnum(c) || c == ' ' || c == '.' || c == '-' || c == '_';
           });
}

std::vector<std::string> Walk::subfolders(const std::string& relative) const {
    std::vector<std::string> names;
    const auto folder = resolve(root, relative);
    if (!folder || !fs::is_directory(*folder)) return names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(*folder, error))
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// One picture, icon or pointer: there, decodes, and the size of the one it stands in for.
void Walk::picture(const std::string& relative, IfMissing ifMissing, const std::string& instead,
                   const std::string& reference) {
    if (!looked.insert(lowered(relative)).second) return;
    if (!has(relative)) {
        add(ifMissing == IfMissing::Problem ? Kind::Missing : Kind::Inherited, relative, instead);
        return;
    }
    const PictureHandle own = pictures.load(at(root, relative));
    if (!own) {
        add(Kind::Undecodable, relative, "not a picture the program can read");
        return;
    }
    // Pointers only need to decode; pictures must cover the same pixels as the ones they replace.
    if (!reference.empty() && !relative.ends_with(".cur")) {
        const bool sameFile = fs::path(at(root, relative)) == fs::path(at(base, reference));
        if (const PictureHandle other = sameFile ? nullptr : pictures.load(at(base, reference))) {
            if (other->width() != own->width() || other->height() != own->height()) {
                add(Kind::Size, relative,
                    std::to_string(own->width()) + "x" + std::to_string(own->height()) + ", but " +
                        reference + " is " + std::to_string(other->width()) + "x" +
                        std::to_string(other->height()));
                return;
            }
        }
    }
    add(Kind::Ok, relative);
}

void Walk::description(const std::string& relative, KeySet set) {
    looked.insert(lowered(relative));
    const auto read = readDescriptionFile(files, at(root, relative));
    if (!read) return;
    const std::vector<std::string>& known = set == KeySet::Skin        ? keys.skin
                                            : set == KeySet::Character ? keys.character
                                                                       : keys.label;
    std::set<std::string> reported;
    for (const DescriptionLine& line : *read) {
        const bool about =
            set != KeySet::Character && (std::count(AboutKeys.begin(), AboutKeys.end(), line.key) ||
                                         (set == KeySet::Plugin && line.key == "defaultskin"));
        if (about || std::count(known.begin(), known.end(), line.key))
            value(relative, line, set);
        else if (reported.insert(line.key).second)
            unknownKey(relative, line.key, set);
    }
    add(Kind::Ok, relative);
}

void Walk::unknownKey(const std::string& relative, const std::string& key, KeySet set) {
    std::vector<std::string> known = set == KeySet::Skin        ? keys.skin
                                     : set == KeySet::Character ? keys.character
                                                                : keys.label;
    if (set != KeySet::Character) known.insert(known.end(), AboutKeys.begin(), AboutKeys.end());
    if (set == KeySet::Plugin) known.push_back("defaultskin");
    std::string detail = "unknown key \"" + key + "\"";
    if (const std::string near = closestWord(key, known); !near.empty())
        detail += ", did you mean \"" + near + "\"?";
    else if (std::count(keys.label.begin(), keys.label.end(), key))
        detail += ": only default.ini and plugin.ini read it";
    else if (std::count(keys.character.begin(), keys.character.end(), key))
        detail += ": only a character's char.ini reads it";
    else
        detail += ": nothing reads it";
    add(Kind::Key, relative, detail);
}

// Values the reader would take differently from what they say: numbers with text around them,
// numbers beyond what a position holds, switches that are neither true nor false.
void Walk::value(const std::string& relative, const DescriptionLine& line, KeySet set) {
    const std::string where = " (key \"" + line.key + "\")";
    if (line.key == "defaultskin") {
        if (!line.value.empty() && !(isPlainName(line.value) && resolve(base, "skins/" + line.value)))
            add(Kind::Value, relative, "no skin folder \"" + line.value + "\" in the program folder" + where);
        return;
    }
    if (set == KeySet::Character && line.key == "walk") {
        const std::string word = lowered(line.value);
        if (word != "true" && word != "false")
            add(Kind::Value, relative, "\"" + line.value + "\" reads as false; write true or false" + where);
        return;
    }
    if (!isPositionKey(line.key) || line.value.empty()) return;
    static const std::regex number(R"([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?|&[hH][0-9a-fA-F]+|&[oO][0-7]+)");
    const int16_t reads = descriptionNumber(line.value);
    if (!std::regex_match(line.value, number)) {
        add(Kind::Value, relative,
            "\"" + line.value + "\" is not a number; it reads as " + std::to_string(reads) + where);
        return;
    }
    // A number too large even for a double ("1e999") is beyond the range as well.
    const std::optional<double> value =
        line.value[0] == '&' ? std::optional<double>(0) : Numbers::parse(line.value);
    if (!value || std::fabs(*value) > 32767.5)
        add(Kind::Value, relative,
            line.value + " is beyond -32768 to 32767 twips; it reads as " + std::to_string(reads) + where);
}

// Files in a skin or plug-in folder that the program never opens: most often a misspelt name.
void Walk::unusedFiles(const std::string& prefix, bool plugin) {
    const auto folder = resolve(root, prefix.empty() ? "." : prefix);
    if (!folder) return;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(*folder, error); !error && it != fs::end(it);
         it.increment(error)) {
        const std::string relative = prefix + fs::relative(it->path(), *folder).generic_string();
        const std::string name = it->path().filename().string();
        if (!isSafeName(name)) add(Kind::Name, relative, SafeNameAdvice);
        if (!it->is_regular_file()) continue;
        const std::string extension = lowered(it->path().extension().string());
        if (extension != ".gif" && extension != ".ico" && extension != ".cur" && extension != ".ini" &&
            extension != ".wav")
            continue;
        if (looked.count(lowered(relative))) continue;
        std::string detail = "the program never looks for it";
        const std::string inside = lowered(relative.substr(prefix.size()));
        if (plugin && inside.starts_with("sounds/")) detail = "sounds are never taken from a plug-in";
        if (plugin && (inside.ends_with("/skin.ico") || inside.ends_with("/skin.ini")))
            detail = "a skin's icon and button places are never taken from a plug-in";
        std::vector<std::string> siblings;
        const std::string parent = lowered(fs::path(relative).parent_path().generic_string());
        for (const std::string& path : looked)
            if (fs::path(path).parent_path().generic_string() == parent)
                siblings.push_back(fs::path(path).filename());
        if (const std::string near = closestWord(lowered(name), siblings); !near.empty())
            detail += ", did you mean " + near + "?";
        add(Kind::Unused, relative, detail);
    }
}

} // namespace checker
