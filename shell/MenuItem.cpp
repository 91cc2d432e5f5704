#include "shell/MenuItem.h"

MenuItem* MenuItem::find(const std::string& itemName) {
    return const_cast<MenuItem*>(static_cast<const MenuItem*>(this)->find(itemName));
}

const MenuItem* MenuItem::find(const std::string& itemName) const {
    if (name == itemName)
        return this;
    for (const MenuItem& child : children)
        if (const MenuItem* found = child.find(itemName))
            return found;
    return nullptr;
}

std::vector<const MenuItem*> MenuItem::pathTo(const std::string& itemName) const {
    if (name == itemName)
        return {this};
    for (const MenuItem& child : children) {
        auto path = child.pathTo(itemName);
        if (!path.empty()) {
            path.insert(path.begin(), this);
            return path;
        }
    }
    return {};
}

namespace {

MenuItem item(const char* name, const char* caption) { return MenuItem(name, caption); }

MenuItem separator(const char* name) { return MenuItem(name, "-"); }

MenuItem checkedItem(const char* name, const char* caption) {
    MenuItem result(name, caption);
    result.checked = true;
    return result;
}

MenuItem submenu(const char* name, const char* caption, std::vector<MenuItem> children) {
    MenuItem result(name, caption);
    result.children = std::move(children);
    return result;
}

MenuItem cheatsMenu() {
    MenuItem characters = submenu("mCheatChar", "Characters",
                                  {item("mCheatChar0", "Pipling"), item("mCheatChar1", "Bibbun"),
                                   item("mCheatChar2", "Rolloo"), separator("mCheatSep0"),
                                   item("mCheatChar3", "Sproutle"), item("mCheatChar4", "Beaksprout"),
                                   separator("mCheatSep1"), item("mCheatChar5", "Beanix"),
                                   item("mCheatChar6", "Silvermop"), item("mCheatChar7", "Maskwick"),
                                   item("mCheatChar8", "Beakbun"), item("mCheatChar9", "Wigglet"),
                                   item("mCheatChar10", "Roelum"), separator("mCheatSep2"),
                                   item("mCheatChar11", "Strangelo (Secret Character)"),
                                   item("mCheatChar12", "Angel (Death)")});
    MenuItem attention = submenu("mCheatAttention", "Attention",
                                 {item("mCheatAttention0", "Hungry"), item("mCheatAttention1", "Unhappy"),
                                  item("mCheatAttention2", "Discipline")});
    MenuItem cheats = submenu("mCheats", "Cheats",
                              {std::move(characters), separator("mCheatSep3"), std::move(attention),
                               separator("mCheatSep4"), item("mCheatAction0", "Sick"),
                               item("mCheatAction1", "Poop"), item("mCheatAction2", "Sleep"),
                               item("mCheatAction3", "Dying")});
    cheats.visible = false;
    return cheats;
}

} // namespace

MenuItem makePopupMenu() {
    MenuItem name = item("mCharacterName", "Pipling");
    name.enabled = false;
    MenuItem cheatsSeparator = separator("mPopupSep0");
    cheatsSeparator.visible = false;

    MenuItem popup = submenu(
        "mPopup", "Popup",
        {std::move(name), std::move(cheatsSeparator), cheatsMenu(), separator("mPopupSep1"),
         item("mPopupStatus", "Hide"), checkedItem("mPopupSound", "Sound On"),
         submenu("mPopupSoundType", "Sound Type", {checkedItem("mPopupWave", "Wave"), item("mPopupBeep", "Beep")}),
         item("mPopupSide", "Back"), checkedItem("mPopupOnTop", "Always On Top"),
         item("mPopupAutoShow", "Auto Show"),
         submenu("mPopupPlayType", "Games", {checkedItem("mPopupPlay0", "Game A"), item("mPopupPlay1", "Game B")}),
         separator("mPopupSep3"), item("mPopupChangeSkin", "Skins..."), item("mPopupPlugins", "Plugins..."),
         item("mPopupInstructions", "Instructions..."), item("mPopupAbout", "About..."), separator("mPopupSep4"),
         item("mPopupInsulatingSheet", "Insulating Sheet"), separator("mPopupSep5"), item("mPopupClose", "Exit")});
    popup.visible = false;
    return popup;
}
