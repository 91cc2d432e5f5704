// SPDX-License-Identifier: GPL-3.0-or-later
// What the chooser's OK does: reading an entry's description file, and putting a new skin or
// plug-in on the running toy without a restart. Also the start-up check that the "Default" skin,
// which every missing skin falls back to, is there.
#include "app/Form1.h"
#include "assets/AssetTables.h"
#include "assets/Chooser.h"
#include "assets/DescriptionFile.h"
#include "shell/Sheet.h"

namespace {

const char* const ButtonKeys[] = {"buttona.left", "buttona.top", "buttonb.left", "buttonb.top",
                                  "buttonc.left", "buttonc.top", "reset.left",   "reset.top"};

} // namespace

void Form3::DoReadItemInfo(bool IsPlugin, const std::string& Item) {
    PetState& pet = form.pet;
    int16_t* const skinButtons[] = {&SkinButtonALeft, &SkinButtonATop, &SkinButtonBLeft, &SkinButtonBTop,
                                    &SkinButtonCLeft, &SkinButtonCTop, &SkinResetLeft,   &SkinResetTop};
    if (!IsPlugin) {
        // A skin without button keys puts the buttons where the label file put them, not where
        // the previous skin had them.
        const int16_t fromLabels[] = {pet.ButtonALeft,     pet.ButtonATop,    pet.ButtonBLeft,
                                      pet.ButtonBTop,      pet.ButtonCLeft,   pet.ButtonCTop,
                                      pet.ResetButtonLeft, pet.ResetButtonTop};
        for (std::size_t i = 0; i < std::size(skinButtons); ++i)
            *skinButtons[i] = fromLabels[i];
    }
    Text1.clear();
    if (IsPlugin) DefaultSkin.clear();
    const std::string file = descriptionFile(IsPlugin, Item);
    if (file.empty() || !form.platform.files.exists(file)) return;
    const auto lines = readDescriptionFile(form.platform.files, file);
    if (!lines) return;
    for (const DescriptionLine& line : *lines) {
        if (line.value.empty()) continue;
        if (line.key == "description") {
            Text1 = line.value;
        } else if (line.key == "defaultskin") {
            DefaultSkin = line.value;
        } else if (!IsPlugin) {
            for (std::size_t i = 0; i < std::size(ButtonKeys); ++i)
                if (line.key == ButtonKeys[i]) *skinButtons[i] = descriptionNumber(line.value);
        }
    }
}

void Form3::Command1_Click() {
    Platform& platform = form.platform;
    PetState& pet = form.pet;
    platform.desktop.setPointer(Pointer::Wait);
    if (pet.PluginsForm) {
        form.DoMainScreen(false);
        DoApplyPlugin();
        form.DoMainScreen(true);
        form.DoSetCharacterName();
        form.menuItem(MenuId::mCharacterName).caption = pet.CharacterName;
        if (!DefaultSkin.empty()) {
            DoReadItemInfo(false, DefaultSkin);
            DoApplySkin(DefaultSkin);
        }
        if (pet.InsulatingSheet != 0) {
            if (pet.InsulatingSheet == 1) form.DoMainScreen(false);
            if (form.sheet) {
                // The plug-in may bring its own sheet; without one the program's is used.
                Element& sheetPicture = form.sheet->Picture1;
                form.DoLoadPicture(pet.Plugins, sheetPicture, "\\other\\", "inssheet.gif");
                form.DoLoadPointer(pet.Plugins, sheetPicture, "\\other\\", "inssheet.cur");
            }
        }
    } else {
        DoApplySkin(selectedFolder());
    }
    if (pet.InsulatingSheet == 1) {
        form.menuItem(MenuId::mCharacterName).caption = pet.PiplingName;
        form.updateTray(nullptr, pet.PiplingName);
    }
    platform.desktop.setPointer(Pointer::Default);
    form.window.title = pet.PiplingName;
    close();
}

void Form3::DoApplySkin(const std::string& SkinName) {
    PetState& pet = form.pet;
    ElementSet& e = form.elements;
    pet.CurrentSkin = SkinName;
    // Exact comparison: in plug-in mode OpenedWith holds the plug-in's name, so a skin named like
    // the plug-in the chooser opened with is not loaded.
    if (pet.CurrentSkin == OpenedWith) return;
    form.window.title = "Changing skin...";
    const std::string folder = form.skinFolder();
    form.DoLoadPicture(pet.Plugins, e.FrontView, folder, "front.gif");
    // The window icon belongs to the skin alone: a plug-in cannot bring one.
    form.DoLoadPicture("", form.window.icon, folder, "skin.ico");
    form.DoLoadPicture(pet.Plugins, e.BackView, folder, "back.gif");
    for (Element* button : {&e.ButtonA, &e.ButtonB, &e.ButtonC})
        form.DoLoadPicture(pet.Plugins, *button, folder, "button0.gif");
    for (int i = 0; i < 2; ++i)
        form.DoLoadPicture(pet.Plugins, e.ResetStatus[static_cast<std::size_t>(i)], "\\other\\",
                           "reset" + std::to_string(i) + ".gif");
    for (int i = 0; i < 2; ++i)
        form.DoLoadPicture(pet.Plugins, e.ResetStatus[static_cast<std::size_t>(i)], folder,
                           "reset" + std::to_string(i) + ".gif");
    e.ButtonA.move(SkinButtonALeft, SkinButtonATop);
    e.ButtonB.move(SkinButtonBLeft, SkinButtonBTop);
    e.ButtonC.move(SkinButtonCLeft, SkinButtonCTop);
    e.ResetButton.move(SkinResetLeft, SkinResetTop);
    e.ResetButton.setPicture(e.ResetStatus[0].picture);
    form.findButtonPictures();
    form.window.title = pet.PiplingName;
}

void Form3::DoApplyPlugin() {
    PetState& pet = form.pet;
    const std::string chosen = selectedFolder();
    pet.Plugins = lowerAscii(chosen) == "<default>" ? std::string() : chosen;
    if (pet.Plugins == OpenedWith) return;
    form.platform.desktop.setPointer(Pointer::Wait);
    // The base program first, so whatever the old plug-in brought is replaced, then the new one
    // over it.
    form.DoGetPlugins("");
    form.DoEndCurrentAction();
    const bool charShown = form.elements.PipChar.visible;
    form.elements.PipChar.visible = false;
    form.DoGetCharacterIni("");
    form.DoLoadCharacter();
    if (!pet.Plugins.empty()) {
        form.DoGetPlugins(pet.Plugins);
        form.DoGetCharacterIni(pet.Plugins);
        form.DoLoadCharacter();
    }
    form.DoSetToolTip();
    form.platform.desktop.setPointer(Pointer::Default);
    form.elements.PipChar.visible = charShown;
}

bool skinHasShell(const Files& files, PictureLoader& pictures, const std::string& appPath,
                  const std::string& PluginsStr, const std::string& skinName) {
    return isPlainName(skinName) && findAssetPicture(files, pictures, appPath, PluginsStr,
                                                     "\\skins\\" + skinName + "\\", "front.gif") != nullptr;
}

std::optional<std::string> startupProblem(const Files& files, PictureLoader& pictures,
                                          const std::string& appPath) {
    if (skinHasShell(files, pictures, appPath, "", "Default")) return std::nullopt;
    return "the program folder " + appPath +
           " has no skin \"Default\" (skins/Default/front.gif is missing or is not a picture the program can "
           "read): the toy cannot be shown";
}
