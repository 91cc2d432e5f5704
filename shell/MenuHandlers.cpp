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
    if (found == handlers().end())
        return false;
    found->second(*this);
    return true;
}

void Form1::popupMenu() {
    std::string chosen = platform.desktop.popupMenu(menu);
    if (!chosen.empty())
        menuClick(chosen);
}

void Form1::mPopupSound_Click() {}
void Form1::mPopupWave_Click() {}
void Form1::mPopupBeep_Click() {}
void Form1::mPopupOnTop_Click() {}
void Form1::mPopupAutoShow_Click() {}
void Form1::mPopupPlay0_Click() {}
void Form1::mPopupPlay1_Click() {}

// The tray, chooser, instructions, about and sheet windows come with their own work.
void Form1::mPopupStatus_Click() {}
void Form1::mPopupChangeSkin_Click() {}
void Form1::mPopupPlugins_Click() {}
void Form1::mPopupInstructions_Click() {}
void Form1::mPopupAbout_Click() {}
void Form1::mPopupInsulatingSheet_Click() {}

void Form1::mPopupClose_Click() { Form_Unload(); }
