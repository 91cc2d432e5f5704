// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "shell/LifeStory.h"
#include "shell/Sheet.h"

bool Form1::menuClick(MenuId item) {
    const int index = static_cast<int>(item);
    auto within = [index](MenuId first, MenuId last) {
        return index >= static_cast<int>(first) && index <= static_cast<int>(last);
    };
    auto offset = [index](MenuId first) { return static_cast<int16_t>(index - static_cast<int>(first)); };
    if (within(MenuId::mCheatChar0, MenuId::mCheatChar12)) {
        mCheatChar_Click(offset(MenuId::mCheatChar0));
        return true;
    }
    if (within(MenuId::mCheatAttention0, MenuId::mCheatAttention2)) {
        mCheatAttention_Click(offset(MenuId::mCheatAttention0));
        return true;
    }
    if (within(MenuId::mCheatAction0, MenuId::mCheatAction3)) {
        mCheatAction_Click(offset(MenuId::mCheatAction0));
        return true;
    }
    switch (item) {
    case MenuId::mPopupStatus:
        mPopupStatus_Click();
        return true;
    case MenuId::mPopupSound:
        mPopupSound_Click();
        return true;
    case MenuId::mPopupWave:
        mPopupWave_Click();
        return true;
    case MenuId::mPopupBeep:
        mPopupBeep_Click();
        return true;
    case MenuId::mPopupSide:
        mPopupSide_Click();
        return true;
    case MenuId::mPopupOnTop:
        mPopupOnTop_Click();
        return true;
    case MenuId::mPopupAutoShow:
        mPopupAutoShow_Click();
        return true;
    case MenuId::mPopupNotifications:
        mPopupNotifications_Click();
        return true;
    case MenuId::mPopupPlay0:
        mPopupPlay0_Click();
        return true;
    case MenuId::mPopupPlay1:
        mPopupPlay1_Click();
        return true;
    case MenuId::mPopupChangeSkin:
        mPopupChangeSkin_Click();
        return true;
    case MenuId::mPopupPlugins:
        mPopupPlugins_Click();
        return true;
    case MenuId::mPopupInstructions:
        mPopupInstructions_Click();
        return true;
    case MenuId::mPopupAbout:
        mPopupAbout_Click();
        return true;
    case MenuId::mPopupLifeStory:
        mPopupLifeStory_Click();
        return true;
    case MenuId::mPopupInsulatingSheet:
        mPopupInsulatingSheet_Click();
        return true;
    case MenuId::mPopupClose:
        mPopupClose_Click();
        return true;
    default:
        return false;
    }
}

const MenuItem& Form1::presentedMenu() {
    auto mark = [this](MenuId item, bool checked) { menuItem(item).checked = checked; };
    mark(MenuId::mPopupStatus, options.hidden);
    mark(MenuId::mPopupSound, options.sound);
    mark(MenuId::mPopupWave, options.wave);
    mark(MenuId::mPopupBeep, !options.wave);
    mark(MenuId::mPopupSide, !frontShown());
    mark(MenuId::mPopupOnTop, options.alwaysOnTop);
    mark(MenuId::mPopupAutoShow, options.autoShow);
    mark(MenuId::mPopupNotifications, options.notifications);
    mark(MenuId::mPopupPlay0, !options.gameB);
    mark(MenuId::mPopupPlay1, options.gameB);
    mark(MenuId::mPopupInsulatingSheet, options.insulatingSheet);
    menuItem(MenuId::mCheats).visible = options.cheatsShown;
    menuItem(MenuId::mPopupSep0).visible = options.cheatsShown;
    return menu;
}

namespace {

// The desktop draws the menu from a neutral description and answers with an entry's id.
PopupMenuEntry describe(const MenuItem& item) {
    PopupMenuEntry entry{
        static_cast<int>(item.id), item.caption, item.checked, item.enabled, item.visible, {}};
    entry.children.reserve(item.children.size());
    for (const MenuItem& child : item.children)
        entry.children.push_back(describe(child));
    return entry;
}

} // namespace

void Form1::popupMenu() {
    if (auto chosen = platform.desktop.popupMenu(describe(presentedMenu())))
        menuClick(static_cast<MenuId>(*chosen));
}

void Form1::mPopupSound_Click() {
    options.sound = !options.sound;
    // The switch is heard in both directions: switching off confirms itself once more.
    DoPlaySound(appFile("\\sounds\\turnsnd.wav"), true, options.wave);
}

// Choosing the item of a pair that is already checked leaves the pair as it is.
void Form1::mPopupWave_Click() {
    options.wave = true;
}
void Form1::mPopupBeep_Click() {
    options.wave = false;
}
void Form1::mPopupPlay0_Click() {
    options.gameB = false;
}
void Form1::mPopupPlay1_Click() {
    options.gameB = true;
}

void Form1::mPopupOnTop_Click() {
    options.alwaysOnTop = !options.alwaysOnTop;
    DoSetAlwaysOnTop(window, options.alwaysOnTop);
    // The life story is the toy's own addition and follows the toy at once; the booklet and the
    // about box take the setting when they open, as they always have.
    if (lifeStory) DoSetAlwaysOnTop(lifeStory->window, options.alwaysOnTop);
}

// Read when the pet starts needing the user (DoShowIfAutoShow); nothing happens at the click.
void Form1::mPopupAutoShow_Click() {
    options.autoShow = !options.autoShow;
}

// Checked, the sheet is put back beside the toy, which then stays on top so the sheet slides in
// behind it; unchecked, the sheet is thrown away and the toy runs without one.
void Form1::mPopupInsulatingSheet_Click() {
    options.insulatingSheet = !options.insulatingSheet;
    if (options.insulatingSheet) {
        DoSetAlwaysOnTop(window, true);
        if (pet.InsulatingSheet != 1) {
            pet.InsulatingSheet = 2;
            pet.CurrentInsulatingSheet = 2;
        }
        // The slot is on the toy's side, so the toy turns to face the user; this turn is heard
        // even with sound off.
        if (!frontShown()) DoShowFront(true);
        if (window.visible) {
            if (!sheet) {
                sheet = std::make_unique<Form5>(*this);
                sheet->Form_Load();
            }
            sheet->window.visible = true;
        }
        menuItem(MenuId::mPopupSide).enabled = false;
    } else {
        menuItem(MenuId::mPopupSide).enabled = true;
        DoSetAlwaysOnTop(window, options.alwaysOnTop);
        if (sheet) {
            sheet->Form_Unload();
            sheet.reset();
        }
        pet.InsulatingSheet = 0;
        pet.CurrentInsulatingSheet = 0;
    }
}

// Unloading saves the pet, removes the tray icon and stops the tick; the desktop program ends as
// soon as the device is unloaded.
void Form1::mPopupClose_Click() {
    Form_Unload();
}
