// SPDX-License-Identifier: GPL-3.0-or-later
// Hiding the toy into the tray and bringing it back, the tray's clicks, and the tray tip.
#include "app/Form1.h"
#include "shell/Sheet.h"

#include <cmath>

namespace {

// The tray's mouse messages, as the Windows tray reports them.
constexpr int32_t LeftButtonDoubleClick = 515;
constexpr int32_t RightButtonUp = 517;

} // namespace

std::string_view Form1::trayTipText(std::string_view tip) {
    // The tray record holds 64 characters with the terminating NUL. Counted in characters, not
    // bytes, so a name in any script is never cut inside a character.
    constexpr int MaxCharacters = 63;
    int characters = 0;
    for (std::size_t i = 0; i < tip.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(tip[i]) & 0xC0) == 0x80;
        if (!continuation && ++characters > MaxCharacters) return tip.substr(0, i);
    }
    return tip;
}

void Form1::mPopupStatus_Click() {
    MenuItem& sheetItem = menuItem(MenuId::mPopupInsulatingSheet);
    // Without a notification area nothing could bring an invisible toy back: there the toy goes
    // to the task bar instead.
    const bool trayHost = platform.tray.available();
    if (!options.hidden) {
        DoPlaySound("\\sounds\\hide.wav");
        options.hidden = true;
        if (trayHost)
            window.visible = false;
        else
            window.minimized = true;
        if (!options.insulatingSheet) sheetItem.enabled = false;
    } else {
        DoPlaySound("\\sounds\\restore.wav");
        options.hidden = false;
        window.visible = true;
        window.minimized = false;
        if (pet.InsulatingSheet != 1) {
            sheetItem.enabled = true;
        } else if (pet.SendInsulatingSheetToBack && sheet) {
            // The toy comes back above the sheet still stuck in its side.
            DoSetAlwaysOnTop(sheet->window, false);
            DoSetAlwaysOnTop(window, true);
        }
    }
    // The sheet goes and comes with the toy.
    if (pet.InsulatingSheet != 0) {
        const bool shown = window.visible && !window.minimized;
        if (shown && !sheet) {
            sheet = std::make_unique<Form5>(*this);
            sheet->Form_Load();
        }
        if (sheet) sheet->window.visible = shown;
    }
}

void Form1::Form_MouseMove(int16_t, int16_t, float X, float) {
    // The tray reports its events as mouse moves of the device window whose x, in pixels, is the
    // tray's own mouse message.
    TrayMessage = static_cast<int32_t>(std::nearbyint(X / Element::TwipsPerPixel));
    // The tray menu runs its own event loop: a click that arrives while it is open is dropped.
    if (TrayBusy) return;
    TrayBusy = true;
    if (TrayMessage == LeftButtonDoubleClick)
        mPopupStatus_Click();
    else if (TrayMessage == RightButtonUp)
        popupMenu();
    TrayBusy = false;
}

void Form1::trayEvent(int32_t message) {
    Form_MouseMove(0, 0, static_cast<float>(message * Element::TwipsPerPixel), 0);
}

void Form1::windowRestoredByUser() {
    if (options.hidden && window.minimized) mPopupStatus_Click();
}

void Form1::bringToFront() {
    if (unloaded) return;
    if (options.hidden)
        mPopupStatus_Click();
    else
        window.minimized = false;
}

void Form1::showIfNoTray() {
    // A toy stored hidden where no tray could bring it back starts shown.
    if (!platform.tray.available()) options.hidden = false;
}
