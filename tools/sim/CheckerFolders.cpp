// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/CheckerWalk.h"

#include "assets/AssetTables.h"

#include <cstdio>
#include <map>
#include <ostream>

namespace fs = std::filesystem;
using Kind = CheckLine::Kind;

namespace checker {

namespace {

std::string pageName(int page) {
    return std::string("instruct/page") + (page < 10 ? "0" : "") + std::to_string(page) + ".gif";
}

// Every file name a slot of the tables stands for, in loading order, without repeats.
std::vector<std::string> slotFiles(const std::vector<AssetLoop>& loops, AssetFolder folder, bool overrides) {
    std::vector<std::string> names;
    for (const AssetLoop& loop : loops)
        for (int index = 0; index < loop.count; ++index)
            for (const AssetSlot& slot : loop.entries)
                if (slot.folder == folder && slot.kind != AssetKind::WindowIcon &&
                    slot.overrideOnly == overrides &&
                    std::find(names.begin(), names.end(), slot.fileName(index)) == names.end())
                    names.push_back(slot.fileName(index));
    return names;
}

} // namespace

void Walk::skin(const std::string& prefix, bool inPlugin) {
    // A plug-in's skin pictures stand in for the same skin's; a skin's for the Default skin's.
    const std::string name =
        fs::path(root + "/" + prefix).lexically_normal().parent_path().filename().string();
    const std::string reference = inPlugin ? "skins/" + name + "/" : "skins/Default/";
    std::vector<std::string> names = slotFiles(builtInAssets(), AssetFolder::Skin, false);
    names.insert(names.end(), SkinExtras.begin(), SkinExtras.end());
    // Every skin falls back to "Default" at start-up, and without its front view the program
    // does not start at all.
    const bool defaultSkin = !inPlugin && lowered(name) == "default";
    const std::string refuses =
        "the toy refuses to start without it, since every skin falls back to this one";
    for (const std::string& file : names) {
        const bool shell = defaultSkin && file == "front.gif";
        picture(prefix + file, inPlugin ? IfMissing::Inherited : IfMissing::Problem,
                inPlugin ? "the program's " + reference + file + " is used"
                : shell  ? refuses
                         : "nothing replaces it: the toy keeps the picture it showed before",
                reference + file, shell ? "; " + refuses : "");
    }
    for (const std::string& file : slotFiles(builtInAssets(), AssetFolder::Skin, true))
        picture(prefix + file, IfMissing::Inherited, "other/" + file + " is used", "other/" + file);
    if (inPlugin) return;
    picture(prefix + "skin.ico", IfMissing::Inherited, "the window keeps the icon it has", "");
    if (has(prefix + "skin.ini"))
        description(prefix + "skin.ini", KeySet::Skin);
    else
        add(Kind::Inherited, prefix + "skin.ini", "the buttons stay where default.ini puts them");
    buttonPlaces(prefix);
}

void Walk::plugin(const std::string& prefix) {
    if (has(prefix + "plugin.ini"))
        description(prefix + "plugin.ini", KeySet::Plugin);
    else
        add(Kind::Inherited, prefix + "plugin.ini", "the captions and places of default.ini are used");
    std::vector<std::string> other = slotFiles(builtInAssets(), AssetFolder::Other, false);
    other.insert(other.end(), OtherExtras.begin(), OtherExtras.end());
    for (const std::string& file : other)
        picture(prefix + "other/" + file, IfMissing::Inherited, "the program's other/" + file + " is used",
                "other/" + file);
    for (const std::string& skinName : subfolders(prefix + "skins"))
        skin(prefix + "skins/" + skinName + "/", true);
    for (int16_t number = 0; number <= 12; ++number) {
        const std::string folder = "Chars/" + characterNumber(number) + "/";
        if (!hasFolder(prefix + folder)) {
            add(Kind::Inherited, prefix + folder, "the program's pictures and places are used");
            continue;
        }
        for (const std::string& file : slotFiles(characterAssets(number), AssetFolder::Character, false))
            picture(prefix + folder + file, IfMissing::Inherited,
                    "the program's " + folder + file + " is used", folder + file);
        if (has(prefix + folder + "char.ini"))
            description(prefix + folder + "char.ini", KeySet::Character);
        else
            add(Kind::Inherited, prefix + folder + "char.ini", "the program's places are used");
    }
    if (!has(prefix + pageName(1)))
        add(Kind::Inherited, prefix + pageName(1), "the program's instruction pages are shown");
    int page = 1;
    for (; has(prefix + pageName(page)); ++page)
        picture(prefix + pageName(page), IfMissing::Problem, "", pageName(page));
    // The first missing number ends the booklet; a page after it is never shown.
    looked.insert(lowered(prefix + pageName(page)));
    unusedFiles(prefix, true);
}

void Walk::programFolder() {
    if (has("default.ini"))
        description("default.ini", KeySet::Label);
    else
        add(Kind::Missing, "default.ini", "the toy has no captions, tips or screen layout");
    std::vector<std::string> other = slotFiles(builtInAssets(), AssetFolder::Other, false);
    other.insert(other.end(), OtherExtras.begin(), OtherExtras.end());
    for (const std::string& file : other)
        picture("other/" + file, IfMissing::Problem,
                file.ends_with(".cur") ? "the standard arrow is shown" : "nothing is shown there",
                "other/" + file);
    const std::vector<std::string> skins = subfolders("skins");
    if (!hasFolder("skins/Default"))
        add(Kind::Missing, "skins/Default/",
            "every skin falls back to this one: the toy refuses to start without its front.gif");
    for (const std::string& name : skins) {
        if (!isSafeName(name)) add(Kind::Name, "skins/" + name + "/", nameAdvice(name));
        skin("skins/" + name + "/", false);
        unusedFiles("skins/" + name + "/", false);
    }
    for (int16_t number = 0; number <= 12; ++number) {
        const std::string folder = "Chars/" + characterNumber(number) + "/";
        for (const std::string& file : slotFiles(characterAssets(number), AssetFolder::Character, false))
            picture(folder + file, IfMissing::Problem, "the pet shows the picture of the action before",
                    folder + file);
        // The angel keeps the places of the character before it; its file is never read.
        if (number == 12) continue;
        if (has(folder + "char.ini"))
            description(folder + "char.ini", KeySet::Character);
        else
            add(Kind::Missing, folder + "char.ini", "the character keeps the places of the one before");
    }
    for (const std::string& sound : Sounds) {
        looked.insert("sounds/" + sound);
        add(has("sounds/" + sound) ? Kind::Ok : Kind::Missing, "sounds/" + sound,
            has("sounds/" + sound) ? "" : "the toy beeps instead");
    }
    if (!has(pageName(1))) add(Kind::Missing, pageName(1), "the booklet has no pages");
    int page = 1;
    for (; has(pageName(page)); ++page)
        picture(pageName(page), IfMissing::Problem, "", pageName(page));
    looked.insert(pageName(page));
    for (const std::string& name : subfolders("plugins")) {
        if (!isSafeName(name)) add(Kind::Name, "plugins/" + name + "/", nameAdvice(name));
        plugin("plugins/" + name + "/");
    }
}

} // namespace checker

using checker::Walk;

std::string CheckLine::text() const {
    static const std::map<Kind, const char*> words = {
        {Kind::Ok, "ok"},           {Kind::Inherited, "inherits"},
        {Kind::Missing, "missing"}, {Kind::Undecodable, "undecodable"},
        {Kind::Size, "size"},       {Kind::Key, "key"},
        {Kind::Value, "value"},     {Kind::Name, "name"},
        {Kind::Unused, "unused"},   {Kind::Empty, "empty"}};
    // Bytes that are no UTF-8 are written out, so the line reads the same in any terminal.
    std::string line = std::string(words.at(kind)) + " " + path + (detail.empty() ? "" : ": " + detail);
    for (std::size_t bad; (bad = checker::firstNonUtf8(line)) != std::string::npos;) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(line[bad]));
        line.replace(bad, 1, escaped);
    }
    return line;
}

std::string closestWord(const std::string& word, const std::vector<std::string>& known) {
    // Edit distance with swapped neighbours counted as one slip.
    auto distance = [](const std::string& a, const std::string& b) {
        std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
        for (std::size_t i = 0; i <= a.size(); ++i)
            d[i][0] = i;
        for (std::size_t j = 0; j <= b.size(); ++j)
            d[0][j] = j;
        for (std::size_t i = 1; i <= a.size(); ++i)
            for (std::size_t j = 1; j <= b.size(); ++j) {
                d[i][j] =
                    std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
                if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                    d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        return d[a.size()][b.size()];
    };
    const std::size_t allowed = word.size() < 5 ? 1 : 2;
    std::string best;
    std::size_t bestDistance = allowed + 1;
    for (const std::string& candidate : known)
        if (const std::size_t slips = distance(word, candidate); slips < bestDistance && slips > 0) {
            best = candidate;
            bestDistance = slips;
        }
    return best;
}

std::vector<CheckLine> checkFolder(const std::string& folder, const std::string& base) {
    const fs::path path = fs::absolute(folder).lexically_normal();
    const fs::path here = path.has_filename() ? path : path.parent_path();
    const std::string parent = lowerAscii(here.parent_path().filename().string());
    const fs::path owner = here.parent_path().parent_path();
    DiskFiles files;
    auto holds = [&](const std::string& name) {
        return resolvePath(here.string() + "\\" + name).has_value();
    };
    // A skin or plug-in inside a program folder is meant for that folder.
    const bool owned =
        (parent == "skins" || parent == "plugins") && files.exists(owner.string() + "\\default.ini");
    Walk walk(here.string(), owned ? owner.string() : base);
    // A plug-in mirrors the program folder's layout, so its own description file tells it apart.
    if (holds("default.ini")) {
        walk.programFolder();
    } else if (parent == "plugins" || holds("plugin.ini")) {
        walk.plugin("");
    } else if (parent == "skins" || holds("skin.ini") || holds("front.gif") || holds("back.gif") ||
               holds("button0.gif")) {
        walk.skin("", false);
        walk.unusedFiles("", false);
    } else if (holds("other") || holds("skins")) {
        walk.programFolder();
    } else {
        walk.lines.push_back({Kind::Empty, ".",
                              "no default.ini, skin.ini, front.gif or plugin.ini here: "
                              "not a program folder, a skin or a plug-in"});
    }
    if (walk.lines.front().kind != Kind::Empty && !checker::isSafeName(here.filename().string()))
        walk.lines.push_back(
            {Kind::Name, here.filename().string() + "/", checker::nameAdvice(here.filename().string())});
    return walk.lines;
}

int runCheck(const std::string& folder, const std::string& base, std::ostream& out, std::ostream& err) {
    std::error_code error;
    if (folder.empty() || !fs::is_directory(folder, error)) {
        err << "pipling-sim: --check needs a folder; \"" << folder << "\" is none\n";
        return 2;
    }
    const std::vector<CheckLine> lines = checkFolder(folder, base);
    const auto problems =
        std::count_if(lines.begin(), lines.end(), [](const CheckLine& line) { return line.problem(); });
    for (const CheckLine& line : lines)
        out << line.text() << '\n';
    out << (problems == 1  ? std::string("1 problem")
            : problems > 1 ? std::to_string(problems) + " problems"
                           : std::string("usable"))
        << " in " << folder << '\n';
    return problems ? 1 : 0;
}
