// SPDX-License-Identifier: GPL-3.0-or-later
// The secondary windows in scripts: the `window NAME ...` commands, their timers on the slow
// period, and their part of `dump`.
#include "assets/Chooser.h"
#include "tools/sim/ChooserCommands.h"
#include "tools/sim/Json.h"
#include "tools/sim/ScriptArgs.h"
#include "tools/sim/ScriptRunner.h"

#include "device/KeyCodes.h"
#include "shell/Sheet.h"

#include <sstream>

namespace {

// The insulating sheet: `window Form5 mouse down|move|up BUTTON X Y` (X, Y in twips relative
// to Picture1, which fills the window) and `window Form5 key CODE down|up`.
std::optional<std::string> sheetCommand(Form5& sheet, std::istringstream& in) {
    std::string what;
    in >> what;
    if (what == "mouse")
        return windowMouse(in, "window Form5 mouse wants down|move|up BUTTON X Y",
                           {[&](const MouseArgs& m) { sheet.DoSheetMouseDown(m.button, m.x, m.y); },
                            [&](const MouseArgs& m) { sheet.DoSheetMouseMove(m.button, m.x, m.y); },
                            [&](const MouseArgs& m) { sheet.DoSheetMouseUp(m.button); }});
    if (what == "key") {
        const auto key = keyArgs(in);
        if (!key) return "window Form5 key wants CODE down|up";
        keyEvent(sheet, key->code, key->down);
        return std::nullopt;
    }
    return "window Form5 knows mouse and key";
}

} // namespace

void windowJson(Json& json, const WindowState& window) {
    json.value("left", window.left)
        .value("top", window.top)
        .value("width", window.width)
        .value("height", window.height)
        .value("visible", window.visible)
        .value("enabled", window.enabled)
        .value("title", window.title)
        .value("topmost", window.topmost);
}

void ScriptRunner::addWindowCommands() {
    addTrayCommand();
    addFrontCommand();
    addNotificationCommands();
    // The sheet's 100 ms timer, while the sheet is loaded and its timer runs.
    slowTimers.push_back([this] {
        if (form && !form->unloaded && form->sheet && form->sheet->timerInterval != 0)
            form->sheet->Timer1_Timer();
    });
    commands["window"] = [this](const std::string& args) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        std::istringstream in(args);
        std::string name;
        in >> name;
        if (name == "Form5") {
            if (!form->sheet) return std::string("the window Form5 is not loaded");
            // A disabled window takes no input.
            if (!form->sheet->window.enabled) return std::nullopt;
            return sheetCommand(*form->sheet, in);
        }
        // the booklet and the about window
        if (name == "Form4") return bookletCommand(in);
        if (name == "Form2") return aboutCommand(in);
        // The skin and plug-in chooser.
        if (name == "Form3") {
            if (!form->chooser) return std::string("the window Form3 is not loaded");
            return chooserCommand(*form, in);
        }
        return "unknown window: " + name;
    };
}

void ScriptRunner::dumpWindows(Json& json) {
    json.beginObject("windows");
    if (Form5* sheet = form->sheet.get()) {
        json.beginObject("Form5");
        windowJson(json, sheet->window);
        json.value("timer", sheet->timerInterval)
            .value("SheetDragging", sheet->SheetDragging)
            .value("SheetDragX", static_cast<double>(sheet->SheetDragX))
            .value("SheetDragY", static_cast<double>(sheet->SheetDragY))
            .value("SheetTicks", static_cast<long long>(sheet->SheetTicks));
        const Element& e = sheet->Picture1;
        elementJson(json, "Picture1", e);
        if (e.pointer)
            json.value("pointer", relativePath(e.pointer));
        else
            json.null("pointer");
        json.endObject().endObject();
    } else {
        json.null("Form5");
    }
    dumpBookletAbout(json);
    // The skin and plug-in chooser.
    if (form->chooser) {
        json.beginObject("Form3");
        windowJson(json, form->chooser->window);
        chooserJson(json, *form);
        json.endObject();
    } else {
        json.null("Form3");
    }
    json.endObject();
}
