// SPDX-License-Identifier: GPL-3.0-or-later
// The label file ("default.ini" or a plug-in's "plugin.ini") and the skin file ("skin.ini"):
// captions, tooltips and where every element sits.
#include "app/Form1.h"
#include "assets/AssetTables.h"
#include "assets/DescriptionFile.h"
#include "assets/DescriptionKeys.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

namespace {

// Label keys and the menu item each one renames. Two keys for one item are both accepted.
constexpr std::pair<const char*, MenuId> menuCaptionKeys[] = {
    {"cheats", MenuId::mCheats},
    {"characters", MenuId::mCheatChar},
    {"pipling", MenuId::mCheatChar0},
    {"bibbun", MenuId::mCheatChar1},
    {"rolloo", MenuId::mCheatChar2},
    {"sproutle", MenuId::mCheatChar3},
    {"beaksprout", MenuId::mCheatChar4},
    {"beanix", MenuId::mCheatChar5},
    {"silvermop", MenuId::mCheatChar6},
    {"maskwick", MenuId::mCheatChar7},
    {"beakbun", MenuId::mCheatChar8},
    {"wigglet", MenuId::mCheatChar9},
    {"roelum", MenuId::mCheatChar10},
    {"strangelo", MenuId::mCheatChar11},
    {"angel", MenuId::mCheatChar12},
    {"attention", MenuId::mCheatAttention},
    {"hungry", MenuId::mCheatAttention0},
    {"unhappy", MenuId::mCheatAttention1},
    {"discipline", MenuId::mCheatAttention2},
    {"sick", MenuId::mCheatAction0},
    {"poop", MenuId::mCheatAction1},
    {"sleep", MenuId::mCheatAction2},
    {"dying", MenuId::mCheatAction3},
    {"hide", MenuId::mPopupStatus},
    {"sound on", MenuId::mPopupSound},
    {"soundon", MenuId::mPopupSound},
    {"sound type", MenuId::mPopupSoundType},
    {"soundtype", MenuId::mPopupSoundType},
    {"wave", MenuId::mPopupWave},
    {"beep", MenuId::mPopupBeep},
    {"back", MenuId::mPopupSide},
    {"always on top", MenuId::mPopupOnTop},
    {"alwaysontop", MenuId::mPopupOnTop},
    {"auto show", MenuId::mPopupAutoShow},
    {"autoshow", MenuId::mPopupAutoShow},
    {"games", MenuId::mPopupPlayType},
    {"turn", MenuId::mPopupPlay0},
    {"number", MenuId::mPopupPlay1},
    {"skins", MenuId::mPopupChangeSkin},
    {"colors", MenuId::mPopupChangeSkin},
    {"plugins", MenuId::mPopupPlugins},
    {"instructions", MenuId::mPopupInstructions},
    {"insulatingsheet", MenuId::mPopupInsulatingSheet},
    {"about", MenuId::mPopupAbout},
    {"close", MenuId::mPopupClose},
};

using LabelTable = std::unordered_map<std::string, std::string*>;

LabelTable labelTable(Form1& form) {
    LabelTable table;
    for (const auto& [key, item] : menuCaptionKeys)
        table[key] = &form.menuItem(item).caption;
    ElementSet& e = form.elements;
    LayoutState& l = form.layout;
    table["ok"] = &form.pet.OKButtonText;
    table["cancel"] = &form.pet.CancelButtonText;
    table["button a"] = table["buttona"] = &e.ButtonA.toolTip;
    table["button b"] = table["buttonb"] = &e.ButtonB.toolTip;
    table["button c"] = table["buttonc"] = &e.ButtonC.toolTip;
    table["reset button"] = table["resetbutton"] = &e.ResetButton.toolTip;
    table["agetooltip"] = &l.AgeToolTip;
    table["weighttooltip"] = &l.WeightToolTip;
    table["hungrytooltip"] = &l.HungryToolTip;
    table["happytooltip"] = &l.HappyToolTip;
    table["disciplinetooltip"] = &l.DisciplineToolTip;
    return table;
}

// A position key sets one edge of some elements (several for the "all..." keys) and may also
// keep the value in a layout field; a stored-only key has no element.
struct PositionTarget {
    std::vector<Element*> elements;
    bool top = false;
    int16_t* stored = nullptr;
};

using PositionTable = std::unordered_map<std::string, PositionTarget>;

class PositionTableBuilder {
public:
    PositionTable table;

    void both(const std::string& key, Element& element, int16_t* storedLeft = nullptr,
              int16_t* storedTop = nullptr) {
        table[key + ".left"] = {{&element}, false, storedLeft};
        table[key + ".top"] = {{&element}, true, storedTop};
    }
    template <std::size_t N> void eachBoth(const std::string& stem, std::array<Element, N>& elements) {
        for (std::size_t i = 0; i < N; ++i)
            both(stem + std::to_string(i), elements[i]);
    }
    template <std::size_t N>
    void eachLeftAllTop(const std::string& stem, const std::string& allKey,
                        std::array<Element, N>& elements) {
        PositionTarget all{{}, true, nullptr};
        for (std::size_t i = 0; i < N; ++i) {
            table[stem + std::to_string(i) + ".left"] = {{&elements[i]}, false, nullptr};
            all.elements.push_back(&elements[i]);
        }
        table[allKey] = std::move(all);
    }
    void stored(const std::string& key, int16_t& field) { table[key] = {{}, false, &field}; }
};

// The buttons: the only keys a skin file may set.
void addButtons(PositionTableBuilder& add, ElementSet& e) {
    add.both("buttona", e.ButtonA);
    add.both("buttonb", e.ButtonB);
    add.both("buttonc", e.ButtonC);
    add.both("reset", e.ResetButton);
}

PositionTable labelPositionTable(Form1& form) {
    ElementSet& e = form.elements;
    LayoutState& l = form.layout;
    PositionTableBuilder add;
    add.both("pipscr", e.PipScr);
    add.eachBoth("pipicon", e.PipIcon);
    add.both("attend", e.AttendIcon);
    add.both("feedmenu", e.FeedMenu);
    add.both("lightmenu", e.LightMenu);
    add.both("dark", e.Dark);
    add.both("playtitle", e.PlayTitle);
    add.both("playresult", e.PlayResult);
    add.both("water", e.Water, &l.WaterLeft, &l.WaterTop);
    add.eachBoth("meter", e.Meter);
    add.eachLeftAllTop("smallbar", "allsmallbars.top", e.SmallBar);
    add.eachLeftAllTop("heart", "allhearts.top", e.Heart);
    add.eachBoth("dung", e.DungImage);
    add.both("skull", e.Skull);
    add.both("sleep", e.SleepSign);
    add.both("angel", e.Angel, &l.AngelLeft, nullptr);
    add.both("yr", e.Yr);
    add.eachBoth("hourdigit", e.HourDigit);
    add.both("colon", e.Colon);
    add.eachBoth("minutedigit", e.MinuteDigit);
    add.eachBoth("seconddigit", e.SecondDigit);
    add.both("ampm", e.AmOrPm);
    add.both("second", e.SecondIdx);
    add.both("change", e.ChangingScreen);
    add.both("leftnumber", e.PipNumber);
    add.both("rightnumber", e.ResultNumber);
    add.both("agedigit0", e.AgeDigit[0], &l.AgeDigit0Left, &l.AgeDigit0Top);
    add.both("agedigit1", e.AgeDigit[1], &l.AgeDigit1Left, &l.AgeDigit1Top);
    add.eachBoth("weightdigit", e.WeightDigit);
    add.both("yourscore", e.YourScore);
    add.both("pipscore", e.PipScore);
    addButtons(add, e);

    add.stored("angelinagescreen.left", l.AngelInAgeScreenLeft);
    add.stored("stars.left", l.StarsLeft);
    add.stored("stars.top", l.StarsTop);
    add.stored("laidegg.left", l.LaidEggLeft);
    add.stored("laidegg.top", l.LaidEggTop);
    add.stored("rarrowselectmenu.left", l.RArrowSelectMenuLeft);
    add.stored("rarrowselectmenu0.top", l.RArrowSelectMenu0Top);
    add.stored("rarrowselectmenu1.top", l.RArrowSelectMenu1Top);
    add.stored("mealsnack.left", l.MealSnackLeft);
    add.stored("mealsnack0.top", l.MealSnack0Top);
    add.stored("mealsnack1.top", l.MealSnack1Top);
    add.stored("rarrow.left", l.RArrowLeft);
    add.stored("rarrow.top", l.RArrowTop);
    add.stored("larrow.left", l.LArrowLeft);
    add.stored("larrow.top", l.LArrowTop);
    add.stored("agedigit0death.left", l.AgeDigit0DeathLeft);
    add.stored("agedigit0death.top", l.AgeDigit0DeathTop);
    add.stored("agedigit1death.left", l.AgeDigit1DeathLeft);
    add.stored("agedigit1death.top", l.AgeDigit1DeathTop);
    return std::move(add.table);
}

PositionTable skinPositionTable(Form1& form) {
    PositionTableBuilder add;
    addButtons(add, form.elements);
    return std::move(add.table);
}

// The position stage of a line: an empty value moves nothing.
void applyPosition(const PositionTable& table, const DescriptionLine& line) {
    if (line.value.empty()) return;
    const auto found = table.find(line.key);
    if (found == table.end()) return;
    const int16_t number = descriptionNumber(line.value);
    for (Element* element : found->second.elements)
        (found->second.top ? element->top : element->left) = number;
    if (found->second.stored) *found->second.stored = number;
}

// Element edges are whole twips already; the recorded copies are 16-bit like every position.
int16_t recorded(int edge) {
    return static_cast<int16_t>(std::clamp(edge, int{INT16_MIN}, int{INT16_MAX}));
}

} // namespace

void Form1::DoGetLayoutIni(const std::string& PluginsStr) {
    std::string labelFile;
    if (isPlainName(PluginsStr) &&
        platform.files.exists(appFile("\\plugins\\" + PluginsStr + "\\plugin.ini")))
        labelFile = appFile("\\plugins\\" + PluginsStr + "\\plugin.ini");
    const bool baseFile = labelFile.empty();
    if (baseFile) {
        // The base labels replace whatever an earlier plug-in said; positions are left alone.
        labelFile = appFile("\\default.ini");
        for (Element* button :
             {&elements.ButtonA, &elements.ButtonB, &elements.ButtonC, &elements.ResetButton})
            button->toolTip.clear();
        for (std::string* label : {&layout.AgeToolTip, &layout.WeightToolTip, &layout.HungryToolTip,
                                   &layout.HappyToolTip, &layout.DisciplineToolTip})
            label->clear();
    }
    const auto lines = readDescriptionFile(platform.files, labelFile);
    if (!lines) return;

    const LabelTable labels = labelTable(*this);
    const PositionTable positions = labelPositionTable(*this);
    for (const DescriptionLine& line : *lines) {
        if (const auto label = labels.find(line.key); label != labels.end()) *label->second = line.value;
        applyPosition(positions, line);
    }

    if (baseFile) {
        pet.ButtonALeft = recorded(elements.ButtonA.left);
        pet.ButtonATop = recorded(elements.ButtonA.top);
        pet.ButtonBLeft = recorded(elements.ButtonB.left);
        pet.ButtonBTop = recorded(elements.ButtonB.top);
        pet.ButtonCLeft = recorded(elements.ButtonC.left);
        pet.ButtonCTop = recorded(elements.ButtonC.top);
        pet.ResetButtonLeft = recorded(elements.ResetButton.left);
        pet.ResetButtonTop = recorded(elements.ResetButton.top);
    }

    // The skin file lives with the skin in the program folder; a plug-in cannot bring one.
    if (!isPlainName(pet.CurrentSkin)) return;
    const auto skinLines = readDescriptionFile(platform.files, appFile(skinFolder() + "skin.ini"));
    if (!skinLines) return;
    const PositionTable skinPositions = skinPositionTable(*this);
    for (const DescriptionLine& line : *skinLines)
        applyPosition(skinPositions, line);
}

std::vector<std::string> labelFileKeys(Form1& form) {
    std::vector<std::string> keys;
    for (const auto& entry : labelTable(form))
        keys.push_back(entry.first);
    for (const auto& entry : labelPositionTable(form))
        keys.push_back(entry.first);
    return keys;
}

std::vector<std::string> skinFileKeys(Form1& form) {
    std::vector<std::string> keys;
    for (const auto& entry : skinPositionTable(form))
        keys.push_back(entry.first);
    return keys;
}
