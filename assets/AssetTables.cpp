// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/AssetTables.h"

#include "app/Form1.h"

#include <cstdio>

namespace {

// Targets in the element set, named by member so the tables read like the lists they come from.
template <auto Member> AssetTarget one(Form1& form, int) {
    return &(form.elements.*Member);
}

// An array member at the loop index plus an offset; a null target (which loads nothing) if the
// index falls outside the array, so a wrong count in a table cannot write past its end.
template <auto Member, int Offset = 0> AssetTarget each(Form1& form, int index) {
    auto& array = form.elements.*Member;
    using Pointer = decltype(&array[0]);
    const int at = index + Offset;
    if (at < 0 || static_cast<std::size_t>(at) >= array.size()) return static_cast<Pointer>(nullptr);
    return &array[static_cast<std::size_t>(at)];
}

AssetTarget windowIcon(Form1& form, int) {
    return &form.window.icon;
}

using ES = ElementSet;
constexpr auto Other = AssetFolder::Other;
constexpr auto Skin = AssetFolder::Skin;
constexpr auto Char = AssetFolder::Character;
constexpr auto Pic = AssetKind::Picture;
constexpr auto Cur = AssetKind::Pointer;

AssetSlot numbered(AssetFolder folder, std::string_view stem, std::string_view extension,
                   AssetTarget (*target)(Form1&, int)) {
    return {folder, stem, true, extension, Pic, target};
}

AssetSlot single(AssetFolder folder, std::string_view name, std::string_view extension,
                 AssetTarget (*target)(Form1&, int), AssetKind kind = Pic) {
    return {folder, name, false, extension, kind, target};
}

std::vector<AssetLoop> makeBuiltInAssets() {
    AssetSlot skinReset = numbered(Skin, "reset", ".gif", each<&ES::ResetStatus>);
    skinReset.overrideOnly = true;
    return {
        {1,
         {single(Skin, "front", ".gif", one<&ES::FrontView>),
          single(Skin, "skin", ".ico", windowIcon, AssetKind::WindowIcon),
          single(Other, "pipscr", ".gif", one<&ES::PipScr>), single(Skin, "back", ".gif", one<&ES::BackView>),
          single(Skin, "button0", ".gif", one<&ES::ButtonA>),
          single(Skin, "button0", ".gif", one<&ES::ButtonB>),
          single(Skin, "button0", ".gif", one<&ES::ButtonC>)}},
        {10,
         {numbered(Other, "second", ".gif", each<&ES::SecondIndex>),
          numbered(Other, "l", ".gif", each<&ES::LargeNumber>),
          numbered(Other, "s", ".gif", each<&ES::SmallNumber>)}},
        {8, {numbered(Other, "change", ".gif", each<&ES::TempChangingScreen>)}},
        {7, {numbered(Other, "pipicon", ".gif", each<&ES::PipIcon>)}},
        {2,
         {numbered(Other, "ampm", ".gif", each<&ES::AmPm>),
          numbered(Other, "reset", ".gif", each<&ES::ResetStatus>), skinReset,
          numbered(Other, "dung", ".gif", each<&ES::TempDung>),
          numbered(Other, "sleep", ".gif", each<&ES::TempSleepSign>),
          numbered(Other, "stars", ".gif", each<&ES::Stars>),
          numbered(Other, "dung", ".ico", each<&ES::DungIcon>),
          numbered(Other, "sleep", ".ico", each<&ES::SleepIcon>),
          numbered(Other, "angel", ".ico", each<&ES::AngelIcon>)}},
        {4,
         {single(Other, "heart", ".gif", each<&ES::Heart>),
          numbered(Other, "meter", ".gif", each<&ES::Meter>),
          numbered(Other, "meal", ".gif", each<&ES::TempMeal>),
          numbered(Other, "snack", ".gif", each<&ES::TempMeal, 4>)}},
        {14, {single(Other, "smallbar", ".gif", each<&ES::SmallBar>)}},
        {3, {numbered(Other, "dark", ".gif", each<&ES::TempDark>)}},
        {1,
         {single(Other, "attend", ".gif", one<&ES::AttendIcon>),
          single(Other, "feedmenu", ".gif", one<&ES::FeedMenu>),
          single(Other, "water", ".gif", one<&ES::Water>),
          single(Other, "larrow", ".gif", one<&ES::LeftArrow>),
          single(Other, "rarrow", ".gif", one<&ES::RightArrow>),
          single(Other, "lightmnu", ".gif", one<&ES::LightMenu>),
          single(Other, "skull", ".gif", one<&ES::Skull>), single(Other, "yr", ".gif", one<&ES::Yr>),
          single(Other, "angel", ".gif", one<&ES::Angel>),
          single(Other, "playtitl", ".gif", one<&ES::PlayTitle>),
          single(Other, "playresu", ".gif", one<&ES::PlayResult>),
          single(Other, "colon", ".gif", one<&ES::Colon>), single(Other, "skull", ".ico", one<&ES::SickIcon>),
          single(Other, "attend", ".ico", one<&ES::AttentionIcon>),
          single(Other, "null", ".ico", one<&ES::NullIcon>)}},
        {1,
         {single(Other, "front", ".cur", one<&ES::FrontView>, Cur),
          single(Other, "back", ".cur", one<&ES::BackView>, Cur),
          single(Other, "push", ".cur", one<&ES::ButtonA>, Cur),
          single(Other, "push", ".cur", one<&ES::ButtonB>, Cur),
          single(Other, "push", ".cur", one<&ES::ButtonC>, Cur),
          single(Other, "point", ".cur", one<&ES::ResetButton>, Cur)}},
    };
}

std::vector<AssetLoop> makeEggAssets() {
    return {
        {3,
         {numbered(Char, "", ".gif", each<&ES::TempChar>), numbered(Char, "", ".ico", each<&ES::TempIcon>)}}};
}

std::vector<AssetLoop> makeCharacterAssets() {
    return {
        {2,
         {numbered(Char, "no", ".gif", each<&ES::TempNegative>),
          numbered(Char, "eat", ".gif", each<&ES::TempEat>),
          numbered(Char, "sick", ".gif", each<&ES::TempSick>),
          numbered(Char, "happy", ".gif", each<&ES::TempHappy>),
          numbered(Char, "sleep", ".gif", each<&ES::TempSleep>),
          numbered(Char, "stool", ".gif", each<&ES::TempDropping>)}},
        // The unhappy animation swings back through its first frame: 0, 1, 0, 2.
        {1,
         {single(Char, "unhp0", ".gif", each<&ES::TempUnhappy, 0>),
          single(Char, "unhp1", ".gif", each<&ES::TempUnhappy, 1>),
          single(Char, "unhp0", ".gif", each<&ES::TempUnhappy, 2>),
          single(Char, "unhp2", ".gif", each<&ES::TempUnhappy, 3>)}},
        {4,
         {numbered(Char, "", ".gif", each<&ES::TempChar>),
          numbered(Char, "play", ".gif", each<&ES::TempPlay>)}},
        {8, {numbered(Char, "", ".ico", each<&ES::TempIcon>)}},
    };
}

} // namespace

std::string AssetSlot::fileName(int index) const {
    std::string name(stem);
    if (numbered) name += std::to_string(index);
    name += extension;
    return name;
}

const std::vector<AssetLoop>& builtInAssets() {
    static const std::vector<AssetLoop> table = makeBuiltInAssets();
    return table;
}

const std::vector<AssetLoop>& characterAssets(int16_t characterNo) {
    static const std::vector<AssetLoop> egg = makeEggAssets();
    static const std::vector<AssetLoop> others = makeCharacterAssets();
    return characterNo == 0 ? egg : others;
}

std::string characterNumber(int16_t characterNo) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", static_cast<int>(characterNo));
    return number;
}

std::string characterFolder(int16_t characterNo) {
    return "\\Chars\\" + characterNumber(characterNo) + "\\";
}

std::string assetFolderPath(const Form1& form, AssetFolder folder) {
    switch (folder) {
    case AssetFolder::Other:
        return "\\other\\";
    case AssetFolder::Skin:
        return form.skinFolder();
    case AssetFolder::Character:
        return characterFolder(form.pet.CharacterNo);
    }
    return {};
}

bool isPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

bool isRelativeFolder(std::string_view path) {
    if (path.size() < 2 || path.front() != '\\' || path.back() != '\\') return false;
    std::string_view inner = path.substr(1, path.size() - 2);
    while (true) {
        const std::size_t separator = inner.find('\\');
        if (!isPlainName(inner.substr(0, separator))) return false;
        if (separator == std::string_view::npos) return true;
        inner.remove_prefix(separator + 1);
    }
}
