// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include "assets/Chooser.h"
#include "shell/About.h"
#include "shell/Instructions.h"
#include "shell/LifeStory.h"
#include "shell/Sheet.h"

#include <cassert>

Form1::Form1(Platform& platform) : platform(platform), menu(makePopupMenu()) {
    // The device as it is put together: the face with its screen and buttons shows, the back
    // and its reset button wait to be turned to.
    for (Element* shown :
         {&elements.FrontView, &elements.PipScr, &elements.ButtonA, &elements.ButtonB, &elements.ButtonC})
        shown->visible = true;
    auto index = [this](MenuItem& item) {
        const auto id = static_cast<std::size_t>(item.id);
        if (menuIndex.size() <= id) menuIndex.resize(id + 1, nullptr);
        menuIndex[id] = &item;
    };
    index(menu);
    menu.forEachDescendant(index);
}

// Out of line, where the classes of the windows it owns are complete.
Form1::~Form1() = default;

MenuItem& Form1::menuItem(MenuId item) {
    const auto id = static_cast<std::size_t>(item);
    assert(id < menuIndex.size() && menuIndex[id] && "the menu table holds every id");
    return *menuIndex[id];
}
