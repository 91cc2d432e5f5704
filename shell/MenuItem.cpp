// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MenuItem.h"

#include <array>
#include <cstddef>

MenuItem* MenuItem::find(MenuId itemId) {
    return const_cast<MenuItem*>(static_cast<const MenuItem*>(this)->find(itemId));
}

const MenuItem* MenuItem::find(MenuId itemId) const {
    if (id == itemId) return this;
    for (const MenuItem& child : children)
        if (const MenuItem* found = child.find(itemId)) return found;
    return nullptr;
}

std::vector<const MenuItem*> MenuItem::pathTo(MenuId itemId) const {
    if (id == itemId) return {this};
    for (const MenuItem& child : children) {
        auto path = child.pathTo(itemId);
        if (!path.empty()) {
            path.insert(path.begin(), this);
            return path;
        }
    }
    return {};
}

namespace {

enum Initially : unsigned { Plain = 0, Checked = 1, Disabled = 2, Hidden = 4 };

struct Row {
    int level;
    MenuId id;
    const char* name;
    const char* caption;
    unsigned initially;
};

// The item's name is its id spelled out, so a name and its id cannot drift apart.
#define ROW(level, id, caption, initially)                                                                   \
    Row {                                                                                                    \
        level, MenuId::id, #id, caption, initially                                                           \
    }

// The menu tree in display order; a row belongs to the nearest row above it with a lower level.
constexpr std::array rows = {
    ROW(0, mPopup, "Popup", Hidden),
    ROW(1, mCharacterName, "Pipling", Disabled),
    ROW(1, mPopupSep0, "-", Hidden),
    ROW(1, mCheats, "Cheats", Hidden),
    ROW(2, mCheatChar, "Characters", Plain),
    ROW(3, mCheatChar0, "Pipling", Plain),
    ROW(3, mCheatChar1, "Bibbun", Plain),
    ROW(3, mCheatChar2, "Rolloo", Plain),
    ROW(3, mCheatSep0, "-", Plain),
    ROW(3, mCheatChar3, "Sproutle", Plain),
    ROW(3, mCheatChar4, "Beaksprout", Plain),
    ROW(3, mCheatSep1, "-", Plain),
    ROW(3, mCheatChar5, "Beanix", Plain),
    ROW(3, mCheatChar6, "Silvermop", Plain),
    ROW(3, mCheatChar7, "Maskwick", Plain),
    ROW(3, mCheatChar8, "Beakbun", Plain),
    ROW(3, mCheatChar9, "Wigglet", Plain),
    ROW(3, mCheatChar10, "Roelum", Plain),
    ROW(3, mCheatSep2, "-", Plain),
    ROW(3, mCheatChar11, "Strangelo (Secret Character)", Plain),
    ROW(3, mCheatChar12, "Angel (Death)", Plain),
    ROW(2, mCheatSep3, "-", Plain),
    ROW(2, mCheatAttention, "Attention", Plain),
    ROW(3, mCheatAttention0, "Hungry", Plain),
    ROW(3, mCheatAttention1, "Unhappy", Plain),
    ROW(3, mCheatAttention2, "Discipline", Plain),
    ROW(2, mCheatSep4, "-", Plain),
    ROW(2, mCheatAction0, "Sick", Plain),
    ROW(2, mCheatAction1, "Poop", Plain),
    ROW(2, mCheatAction2, "Sleep", Plain),
    ROW(2, mCheatAction3, "Dying", Plain),
    ROW(1, mPopupSep1, "-", Plain),
    ROW(1, mPopupStatus, "Hide", Plain),
    ROW(1, mPopupSound, "Sound On", Checked),
    ROW(1, mPopupSoundType, "Sound Type", Plain),
    ROW(2, mPopupWave, "Wave", Checked),
    ROW(2, mPopupBeep, "Beep", Plain),
    ROW(1, mPopupSide, "Back", Plain),
    ROW(1, mPopupOnTop, "Always On Top", Checked),
    ROW(1, mPopupAutoShow, "Auto Show", Plain),
    ROW(1, mPopupNotifications, "Notifications", Checked),
    ROW(1, mPopupPlayType, "Games", Plain),
    ROW(2, mPopupPlay0, "Game A", Checked),
    ROW(2, mPopupPlay1, "Game B", Plain),
    ROW(1, mPopupSep3, "-", Plain),
    ROW(1, mPopupChangeSkin, "Skins...", Plain),
    ROW(1, mPopupPlugins, "Plugins...", Plain),
    ROW(1, mPopupInstructions, "Instructions...", Plain),
    ROW(1, mPopupAbout, "About...", Plain),
    ROW(1, mPopupLifeStory, "Life Story...", Plain),
    ROW(1, mPopupSep4, "-", Plain),
    ROW(1, mPopupInsulatingSheet, "Insulating Sheet", Plain),
    ROW(1, mPopupSep5, "-", Plain),
    ROW(1, mPopupClose, "Exit", Plain),
};

#undef ROW

constexpr bool everyIdOnce() {
    std::array<int, MenuIdCount> seen{};
    for (const Row& row : rows)
        ++seen[static_cast<std::size_t>(row.id)];
    for (int count : seen)
        if (count != 1) return false;
    return rows[0].level == 0;
}
static_assert(rows.size() == MenuIdCount && everyIdOnce(),
              "the menu table holds every item once, under one root");

MenuItem build(std::size_t& next) {
    const Row& row = rows[next++];
    MenuItem item(row.id, row.name, row.caption);
    item.checked = (row.initially & Checked) != 0;
    item.enabled = (row.initially & Disabled) == 0;
    item.visible = (row.initially & Hidden) == 0;
    while (next < rows.size() && rows[next].level > row.level)
        item.children.push_back(build(next));
    return item;
}

} // namespace

MenuItem makePopupMenu() {
    std::size_t next = 0;
    return build(next);
}

std::optional<MenuId> menuIdNamed(std::string_view name) {
    for (const Row& row : rows)
        if (name == row.name) return row.id;
    return std::nullopt;
}
