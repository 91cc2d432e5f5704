// SPDX-License-Identifier: GPL-3.0-or-later
// The character description file "char.ini" and the character's display name.
#include "app/Form1.h"
#include "assets/AssetTables.h"
#include "assets/DescriptionFile.h"
#include "assets/DescriptionKeys.h"

#include <string_view>

namespace {

// Where a key's number goes; some keys also move the pet at once.
struct CharacterKey {
    std::string_view key;
    int16_t LayoutState::*field;
    enum class Moves { Nothing, Left, Top } moves = Moves::Nothing;
};

using Moves = CharacterKey::Moves;
using L = LayoutState;

constexpr CharacterKey characterKeys[] = {
    {"eggleft", &L::EggLeft, Moves::Left},
    {"eggtop", &L::EggTop, Moves::Top},
    {"eggshakeleft", &L::EggShakeLeft},
    {"eggshakeright", &L::EggShakeRight},
    {"egghatchleft", &L::EggHatchLeft},
    {"egghatchtop", &L::EggHatchTop},
    {"original.left", &L::OriginalLeft, Moves::Left},
    {"original.top", &L::OriginalTop, Moves::Top},
    {"eat.left", &L::EatLeft},
    {"eat.top", &L::EatTop},
    {"no.left", &L::NoLeft},
    {"no.top", &L::NoTop},
    {"sick.left", &L::SickLeft},
    {"sick.top", &L::SickTop},
    {"happy.left", &L::HappyLeft},
    {"happy.top", &L::HappyTop},
    {"unhappy.left", &L::UnhappyLeft},
    {"unhappy.top", &L::UnhappyTop},
    {"play.left", &L::PlayLeft},
    {"play.top", &L::PlayTop},
    {"sleep.left", &L::SleepLeft},
    {"sleep.top", &L::SleepTop},
    {"dying.left", &L::DyingLeft},
    {"dying.top", &L::DyingTop},
    {"stool0.left", &L::Stool0Left},
    {"stool0.top", &L::Stool0Top},
    {"stool1.left", &L::Stool1Left},
    {"stool1.top", &L::Stool1Top},
    {"layanegg.left", &L::LayAnEggLeft},
    {"layanegg.top", &L::LayAnEggTop},
};

} // namespace

void Form1::DoGetCharacterIni(const std::string& PluginsStr) {
    const std::string relative = "\\chars\\" + characterNumber(pet.CharacterNo) + "\\char.ini";
    std::string file = appFile(relative);
    if (isPlainName(PluginsStr) && platform.files.exists(appFile("\\plugins\\" + PluginsStr + relative)))
        file = appFile("\\plugins\\" + PluginsStr + relative);
    const auto lines = readDescriptionFile(platform.files, file);
    if (!lines) return;
    for (const DescriptionLine& line : *lines) {
        if (line.value.empty()) continue;
        if (line.key == "walk") {
            // A word, not a number: only "true" in any letter case lets the character walk.
            layout.CanWalk = lowerAscii(line.value) == "true";
            continue;
        }
        for (const CharacterKey& entry : characterKeys) {
            if (entry.key != line.key) continue;
            const int16_t number = descriptionNumber(line.value);
            layout.*entry.field = number;
            if (entry.moves == Moves::Left)
                elements.PipChar.left = number;
            else if (entry.moves == Moves::Top)
                elements.PipChar.top = number;
            break;
        }
    }
}

void Form1::DoSetCharacterName() {
    if (pet.CharacterNo < character::Egg || pet.CharacterNo > character::Angel) return;
    pet.CharacterName = menuItem(cheatChar(pet.CharacterNo)).caption;
}

std::vector<std::string> characterFileKeys() {
    std::vector<std::string> keys{"walk"};
    for (const CharacterKey& entry : characterKeys)
        keys.emplace_back(entry.key);
    return keys;
}
