#include "app/Form1.h"

#include "assets/Chooser.h"
#include "shell/About.h"
#include "shell/Instructions.h"
#include "shell/Sheet.h"

#include <cassert>

Form1::Form1(Platform& platform) : platform(platform), menu(makePopupMenu()) {
    // The device as it is put together: the face with its screen and buttons shows, the back
    // and its reset button wait to be turned to.
    for (Element* shown :
         {&elements.FrontView, &elements.PipScr, &elements.ButtonA, &elements.ButtonB, &elements.ButtonC})
        shown->visible = true;
}

// Out of line, where the classes of the windows it owns are complete.
Form1::~Form1() = default;

MenuItem& Form1::menuItem(MenuId item) {
    MenuItem* found = menu.find(item);
    assert(found && "the menu table holds every id");
    return *found;
}
