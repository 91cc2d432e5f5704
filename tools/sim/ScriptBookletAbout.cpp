// SPDX-License-Identifier: GPL-3.0-or-later
// The instructions booklet Form4, the about window Form2 and the tray icon in scripts.
#include "shell/About.h"
#include "shell/Instructions.h"
#include "tools/sim/Json.h"
#include "tools/sim/ScriptArgs.h"
#include "tools/sim/ScriptRunner.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace {

std::string colourText(int rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb);
    return text;
}

} // namespace

// `tray click|dblclick|rdown|rup`: the messages the tray sends for a left click, a left
// double-click (its second release follows it), a right press and a right release.
void ScriptRunner::addTrayCommand() {
    commands["tray"] = [this](const std::string& args) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        std::istringstream in(args);
        std::string what, extra;
        in >> what;
        if (in >> extra) return std::string("tray wants click|dblclick|rdown|rup");
        std::vector<int32_t> messages;
        if (what == "click")
            messages = {513, 514};
        else if (what == "dblclick")
            messages = {515, 514};
        else if (what == "rdown")
            messages = {516};
        else if (what == "rup")
            messages = {517};
        else
            return "unknown tray event: " + what;
        // Only an icon in the tray can be clicked.
        if (!tray.present) return std::nullopt;
        for (int32_t message : messages)
            if (!form->unloaded) form->trayEvent(message);
        return std::nullopt;
    };
}

// `front`: a second program started for the same pet, which asks the running toy to the front.
void ScriptRunner::addFrontCommand() {
    commands["front"] = [this](const std::string& args) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        if (!args.empty()) return std::string("front takes nothing more");
        form->bringToFront();
        return std::nullopt;
    };
}

// `window Form4 key CODE down|up`, `window Form4 mouse down|move|up BUTTON X Y` (X, Y in twips
// relative to the page).
std::optional<std::string> ScriptRunner::bookletCommand(std::istringstream& in) {
    if (!form->booklet) return std::string("the window Form4 is not loaded");
    Form4& booklet = *form->booklet;
    std::string what;
    in >> what;
    if (what == "key") {
        std::string codeText, action, extra;
        in >> codeText >> action;
        auto code = wholeNumber(codeText);
        if (!code || *code < 0 || *code > 255 || (action != "down" && action != "up") || (in >> extra))
            return std::string("window Form4 key wants CODE down|up");
        // The booklet answers key-downs only; Escape and F1 close it.
        if (action == "down") booklet.Form_KeyDown(static_cast<int16_t>(*code), 0);
        return std::nullopt;
    }
    if (what == "mouse")
        return windowMouse(in, "window Form4 mouse wants down|move|up BUTTON X Y",
                           {[&](const MouseArgs& m) { booklet.Picture1_MouseDown(m.button, 0, m.x, m.y); },
                            [&](const MouseArgs& m) { booklet.Picture1_MouseMove(m.button, 0, m.x, m.y); },
                            [&](const MouseArgs& m) { booklet.Picture1_MouseUp(m.button, 0, m.x, m.y); }});
    return std::string("window Form4 knows key and mouse");
}

// `window Form2 mouse ELEMENT down|move|up BUTTON X Y` (the links `Email` and `Homepage`, or the
// surface: `Form`, `Frame1`, `Label1`, `Label2`, `lblDescription`, `AboutPicture`) and
// `window Form2 ok`.
std::optional<std::string> ScriptRunner::aboutCommand(std::istringstream& in) {
    if (!form->about) return std::string("the window Form2 is not loaded");
    Form2& about = *form->about;
    std::string what;
    in >> what;
    if (what == "ok") {
        std::string extra;
        if (in >> extra) return std::string("window Form2 ok takes nothing more");
        form->closeAbout();
        return std::nullopt;
    }
    if (what != "mouse") return std::string("window Form2 knows mouse and ok");
    std::string element;
    in >> element;
    auto mouse = mouseArgs(in);
    if (!mouse || (mouse->action != "down" && mouse->action != "move" && mouse->action != "up"))
        return std::string("window Form2 mouse wants ELEMENT down|move|up BUTTON X Y");
    if (element == "Email" || element == "Homepage") {
        const bool email = element == "Email";
        if (mouse->action == "down")
            email ? about.Email_MouseDown(mouse->button) : about.Homepage_MouseDown(mouse->button);
        else if (mouse->action == "up")
            email ? about.Email_MouseUp(mouse->button) : about.Homepage_MouseUp(mouse->button);
        return std::nullopt;
    }
    if (element != "Form" && element != "Frame1" && element != "Label1" && element != "Label2" &&
        element != "lblDescription" && element != "AboutPicture")
        return "unknown element of Form2: " + element;
    if (mouse->action == "down")
        about.surfaceMouseDown(mouse->button, mouse->x, mouse->y);
    else if (mouse->action == "move")
        about.surfaceMouseMove(mouse->button, mouse->x, mouse->y);
    else
        about.surfaceMouseUp(mouse->button);
    return std::nullopt;
}

void ScriptRunner::dumpBookletAbout(Json& json) {
    if (const Form4* booklet = form->booklet.get()) {
        json.beginObject("Form4");
        windowJson(json, booklet->window);
        json.value("CurrentPage", static_cast<long long>(booklet->CurrentPage))
            .value("PageCount", static_cast<long long>(booklet->PageCount))
            .value("PagePrefix", booklet->PagePrefix)
            .value("PageDragging", booklet->PageDragging);
        if (booklet->Picture1.picture)
            json.value("page", relativePath(booklet->Picture1.picture));
        else
            json.null("page");
        json.endObject();
    } else {
        json.null("Form4");
    }
    if (const Form2* about = form->about.get()) {
        json.beginObject("Form2");
        windowJson(json, about->window);
        json.value("Label1", about->Label1)
            .value("Label2", about->Label2)
            .value("Email", about->Email)
            .value("Homepage", about->Homepage)
            .value("Frame1", about->Frame1)
            .value("Text2", about->Text2)
            .value("cmdOK", about->cmdOK)
            .value("EmailColor", colourText(about->EmailColor))
            .value("HomepageColor", colourText(about->HomepageColor));
        if (about->AboutPicture.picture)
            json.value("AboutPicture", relativePath(about->AboutPicture.picture));
        else
            json.null("AboutPicture");
        json.endObject();
    } else {
        json.null("Form2");
    }
}
