#include "app/Form1.h"

#include <functional>
#include <map>

namespace {

using Handler = std::function<void(Form1&)>;

const std::map<std::string, Handler>& handlers() {
    static const std::map<std::string, Handler> table = [] {
        std::map<std::string, Handler> t;
        for (int16_t i = 0; i <= 12; ++i)
            t["mCheatChar" + std::to_string(i)] = [i](Form1& form) { form.mCheatChar_Click(i); };
        for (int16_t i = 0; i <= 2; ++i)
            t["mCheatAttention" + std::to_string(i)] = [i](Form1& form) { form.mCheatAttention_Click(i); };
        for (int16_t i = 0; i <= 3; ++i)
            t["mCheatAction" + std::to_string(i)] = [i](Form1& form) { form.mCheatAction_Click(i); };
        t["mPopupStatus"] = &Form1::mPopupStatus_Click;
        t["mPopupSound"] = &Form1::mPopupSound_Click;
        t["mPopupWave"] = &Form1::mPopupWave_Click;
        t["mPopupBeep"] = &Form1::mPopupBeep_Click;
        t["mPopupSide"] = &Form1::mPopupSide_Click;
        t["mPopupOnTop"] = &Form1::mPopupOnTop_Click;
        t["mPopupAutoShow"] = &Form1::mPopupAutoShow_Click;
        t["mPopupPlay0"] = &Form1::mPopupPlay0_Click;
        t["mPopupPlay1"] = &Form1::mPopupPlay1_Click;
        t["mPopupChangeSkin"] = &Form1::mPopupChangeSkin_Click;
        t["mPopupPlugins"] = &Form1::mPopupPlugins_Click;
        t["mPopupInstructions"] = &Form1::mPopupInstructions_Click;
        t["mPopupAbout"] = &Form1::mPopupAbout_Click;
        t["mPopupInsulatingSheet"] = &Form1::mPopupInsulatingSheet_Click;
        t["mPopupClose"] = &Form1::mPopupClose_Click;
        return t;
    }();
    return table;
}

} // namespace

bool Form1::menuClick(const std::string& itemName) {
    auto found = handlers().find(itemName);
    if (found == handlers().end()) return false;
    found->second(*this);
    return true;
}

void Form1::popupMenu() {
    std::string chosen = platform.desktop.popupMenu(menu);
    if (!chosen.empty()) menuClick(chosen);
}

// The option items. Their check marks are the options themselves: every reader looks at the menu
// at the moment it needs the value, and the settings store saves and restores the marks.

void Form1::mPopupSound_Click() {
    MenuItem& sound = menuItem("mPopupSound");
    sound.checked = !sound.checked;
    // The switch is heard in both directions: switching off confirms itself once more.
    DoPlaySound(appFile("\\sounds\\turnsnd.wav"), true, menuItem("mPopupWave").checked);
}

namespace {

// Checks one item of a pair of choices and unchecks the other; choosing the checked item again
// leaves the pair as it is.
void choose(Form1& form, const char* chosen, const char* other) {
    form.menuItem(chosen).checked = true;
    form.menuItem(other).checked = false;
}

} // namespace

void Form1::mPopupWave_Click() {
    choose(*this, "mPopupWave", "mPopupBeep");
}
void Form1::mPopupBeep_Click() {
    choose(*this, "mPopupBeep", "mPopupWave");
}
void Form1::mPopupPlay0_Click() {
    choose(*this, "mPopupPlay0", "mPopupPlay1");
}
void Form1::mPopupPlay1_Click() {
    choose(*this, "mPopupPlay1", "mPopupPlay0");
}

void Form1::mPopupOnTop_Click() {
    MenuItem& onTop = menuItem("mPopupOnTop");
    onTop.checked = !onTop.checked;
    DoSetAlwaysOnTop(window, onTop.checked);
}

// Read when the pet starts needing the user (DoShowIfAutoShow); nothing happens at the click.
void Form1::mPopupAutoShow_Click() {
    MenuItem& autoShow = menuItem("mPopupAutoShow");
    autoShow.checked = !autoShow.checked;
}

// Hiding into the tray and restoring come with the tray; the instructions and about
// windows with their own work. Until then these items do nothing.
void Form1::mPopupStatus_Click() {}
void Form1::mPopupInstructions_Click() {}
void Form1::mPopupAbout_Click() {}

// Checked, the sheet is put back beside the toy, which then stays on top so the sheet slides in
// behind it; unchecked, the sheet is thrown away and the toy runs without one.
void Form1::mPopupInsulatingSheet_Click() {
    MenuItem& item = menuItem("mPopupInsulatingSheet");
    item.checked = !item.checked;
    if (item.checked) {
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
        menuItem("mPopupSide").enabled = false;
    } else {
        menuItem("mPopupSide").enabled = true;
        DoSetAlwaysOnTop(window, menuItem("mPopupOnTop").checked);
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
