// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cassert>
#include <cstdint>

// Every item of the pop-up menu. The core names items only by these ids; the item names that
// scripts and the status dump use live in the table that builds the tree (shell/MenuItem.cpp).
enum class MenuId : uint8_t {
    mPopup,
    mCharacterName,
    mPopupSep0,
    mCheats,
    mCheatChar,
    mCheatChar0,
    mCheatChar1,
    mCheatChar2,
    mCheatChar3,
    mCheatChar4,
    mCheatChar5,
    mCheatChar6,
    mCheatChar7,
    mCheatChar8,
    mCheatChar9,
    mCheatChar10,
    mCheatChar11,
    mCheatChar12,
    mCheatSep0,
    mCheatSep1,
    mCheatSep2,
    mCheatSep3,
    mCheatAttention,
    mCheatAttention0,
    mCheatAttention1,
    mCheatAttention2,
    mCheatSep4,
    mCheatAction0,
    mCheatAction1,
    mCheatAction2,
    mCheatAction3,
    mPopupSep1,
    mPopupStatus,
    mPopupSound,
    mPopupSoundType,
    mPopupWave,
    mPopupBeep,
    mPopupSide,
    mPopupOnTop,
    mPopupAutoShow,
    mPopupNotifications,
    mPopupPlayType,
    mPopupPlay0,
    mPopupPlay1,
    mPopupSep3,
    mPopupChangeSkin,
    mPopupPlugins,
    mPopupInstructions,
    mPopupAbout,
    mPopupLifeStory,
    mPopupSep4,
    mPopupInsulatingSheet,
    mPopupSep5,
    mPopupClose,
};

constexpr int MenuIdCount = static_cast<int>(MenuId::mPopupClose) + 1;

// The indexed items of the Cheats menu: mCheatChar0..12, mCheatAttention0..2, mCheatAction0..3.
constexpr MenuId cheatChar(int index) {
    assert(index >= 0 && index <= 12);
    return static_cast<MenuId>(static_cast<int>(MenuId::mCheatChar0) + index);
}
constexpr MenuId cheatAttention(int index) {
    assert(index >= 0 && index <= 2);
    return static_cast<MenuId>(static_cast<int>(MenuId::mCheatAttention0) + index);
}
constexpr MenuId cheatAction(int index) {
    assert(index >= 0 && index <= 3);
    return static_cast<MenuId>(static_cast<int>(MenuId::mCheatAction0) + index);
}
