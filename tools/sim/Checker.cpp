// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
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

std::size_t firstNonUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || at + length > text.size()) return at;
        for (std::size_t i = 1; i < length; ++i)
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return at;
        // Overlong forms and values past the last code point are no UTF-8 either.
        const unsigned second = static_cast<unsigned char>(length > 1 ? text[at + 1] : 0);
        if ((length == 2 && lead < 0xC2) || (length == 3 && lead == 0xE0 && second < 0xA0) ||
            (length == 3 && lead == 0xED && second >= 0xA0) ||
            (length == 4 && lead == 0xF0 && second < 0x90) ||
            (length == 4 && (lead > 0xF4 || (lead == 0xF4 && second >= 0x90))))
            return at;
        at += length;
    }
    return std::string::npos;
}

bool isSafeName(const std::string& name) {
    // Letters of any script travel well in UTF-8; bytes of another encoding do not.
    return !name.empty() && name != "." && name != ".." && firstNonUtf8(name) == std::string::npos &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) {
               return c >= 0x80 || std::isalnum(c) || c == ' ' || c == '.' || c == '-' || c == '_';
           });
}

std::string nameAdvice(const std::string& name) {
    const std::size_t bad = firstNonUtf8(name);
    if (bad == std::string::npos) return SafeNameAdvice;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(name[bad]));
    return std::string("the name is not UTF-8 (byte ") + byte +
           ", most often a name from an old archive): the program finds its files, but the chooser and "
           "other programs show it garbled; rename it in UTF-8";
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
                   const std::string& reference, const std::string& ifUnusable) {
    if (!looked.insert(lowered(relative)).second) return;
    if (!has(relative)) {
        add(ifMissing == IfMissing::Problem ? Kind::Missing : Kind::Inherited, relative,
            instead + otherFormat(relative));
        return;
    }
    const PictureHandle own = pictures.load(at(root, relative));
    if (!own) {
        std::string detail = "not a picture the program can read";
        // The loader reads any name's bytes; a folder named in another encoding is still the
        // likely cause when the same file reads elsewhere.
        for (fs::path folder = fs::path(relative).parent_path(); !folder.empty();
             folder = folder.parent_path())
            if (firstNonUtf8(folder.filename().string()) != std::string::npos) {
                detail += "; its folder " + folder.generic_string() + "/ is not named in UTF-8";
                break;
            }
        add(Kind::Undecodable, relative, detail + ifUnusable);
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

// A picture saved under the same name in another format, which the program never reads.
std::string Walk::otherFormat(const std::string& relative) const {
    const fs::path wanted(relative);
    const auto folder = resolve(root, wanted.parent_path().empty() ? "." : wanted.parent_path().string());
    if (!folder) return {};
    const std::string stem = lowered(wanted.stem().string());
    std::error_code error;
    for (fs::directory_iterator it(*folder, error), last; !error && it != last; it.increment(error)) {
        const fs::path name = it->path().filename();
        if (lowered(name.stem().string()) == stem &&
            lowered(name.extension().string()) != lowered(wanted.extension().string()))
            return "; there is a " + name.string() + ", but the program reads only " +
                   wanted.filename().string();
    }
    return {};
}

// A button the skin (or default.ini) puts beyond its front view shows half cut or not at all,
// and cannot be pressed where it shows: most often a place written in pixels instead of twips.
void Walk::buttonPlaces(const std::string& prefix) {
    auto lastValues = [&](const std::string& folder, const std::string& relative) {
        std::map<std::string, int16_t> found;
        if (const auto read = readDescriptionFile(files, at(folder, relative)))
            for (const DescriptionLine& line : *read)
                if (!line.value.empty()) found[line.key] = descriptionNumber(line.value);
        return found;
    };
    const auto labels = lastValues(base, "default.ini");
    const auto own = lastValues(root, prefix + "skin.ini");
    auto place = [&](const std::string& key) -> std::optional<int> {
        if (auto it = own.find(key); it != own.end()) return it->second;
        if (auto it = labels.find(key); it != labels.end()) return it->second;
        return std::nullopt;
    };
    // The skin's own picture, else the one the program shows instead.
    auto size = [&](const std::string& file, const std::string& instead) -> PictureHandle {
        if (has(prefix + file)) return pictures.load(at(root, prefix + file));
        return files.exists(at(base, instead)) ? pictures.load(at(base, instead)) : nullptr;
    };
    struct Button {
        const char* key;
        const char* name;
        const char* picture;
        const char* instead;
        const char* shell;
    };
    const Button buttons[] = {
        {"buttona", "button A", "button0.gif", "skins/Default/button0.gif", "front.gif"},
        {"buttonb", "button B", "button0.gif", "skins/Default/button0.gif", "front.gif"},
        {"buttonc", "button C", "button0.gif", "skins/Default/button0.gif", "front.gif"},
        {"reset", "the reset button", "reset0.gif", "other/reset0.gif", "back.gif"}};
    for (const Button& b : buttons) {
        const auto left = place(std::string(b.key) + ".left"), top = place(std::string(b.key) + ".top");
        const PictureHandle button = size(b.picture, b.instead);
        const PictureHandle shell = size(b.shell, std::string("skins/Default/") + b.shell);
        if (!left || !top || !button || !shell) continue;
        const int width = button->width() * 15, height = button->height() * 15;
        const int shellWidth = shell->width() * 15, shellHeight = shell->height() * 15;
        if (*left >= 0 && *top >= 0 && *left + width <= shellWidth && *top + height <= shellHeight) continue;
        const bool partly = *left < shellWidth && *top<shellHeight&& * left + width> 0 && *top + height > 0;
        add(Kind::Value,
            own.count(std::string(b.key) + ".left") || own.count(std::string(b.key) + ".top")
                ? prefix + "skin.ini"
                : std::string("default.ini"),
            std::string(b.name) + " at " + std::to_string(*left) + ", " + std::to_string(*top) + " (" +
                std::to_string(width) + " by " + std::to_string(height) + " twips) lies " +
                (partly ? "partly " : "") + "off the shell: " +
                (has(prefix + b.shell) ? prefix + b.shell : std::string("skins/Default/") + b.shell) +
                " is " + std::to_string(shellWidth) + " by " + std::to_string(shellHeight) +
                " twips (15 twips a pixel)");
    }
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
        if (!isSafeName(name)) add(Kind::Name, relative, nameAdvice(name));
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
