// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that act as a user would: buttons, keys, typing and the mouse on the device.
#include "tools/sim/ScriptArgs.h"
#include "tools/sim/ScriptRunner.h"

#include "device/KeyCodes.h"

#include <cctype>
#include <sstream>

namespace {

using ButtonHandler = void (Form1::*)(int16_t, int16_t, float, float);

struct ButtonHandlers {
    ButtonHandler down;
    ButtonHandler up;
};

std::optional<ButtonHandlers> buttonHandlers(const std::string& name) {
    if (name == "A" || name == "ButtonA")
        return ButtonHandlers{&Form1::ButtonA_MouseDown, &Form1::ButtonA_MouseUp};
    if (name == "B" || name == "ButtonB")
        return ButtonHandlers{&Form1::ButtonB_MouseDown, &Form1::ButtonB_MouseUp};
    if (name == "C" || name == "ButtonC")
        return ButtonHandlers{&Form1::ButtonC_MouseDown, &Form1::ButtonC_MouseUp};
    return std::nullopt;
}

} // namespace

void ScriptRunner::addInputCommands() {
    auto buttonCommand = [this](bool down, bool up) {
        return [this, down, up](const std::string& args) -> std::optional<std::string> {
            if (!form) return std::string("no device: use start first");
            if (!form->window.enabled) return std::nullopt;
            std::istringstream in(args);
            std::string name, extra;
            in >> name;
            auto handlers = buttonHandlers(name);
            if (!handlers || name.size() != 1 || (in >> extra)) return "unknown button: " + name;
            if (down) (form.get()->*handlers->down)(mouseButton::Left, 0, 0, 0);
            if (up) (form.get()->*handlers->up)(mouseButton::Left, 0, 0, 0);
            return std::nullopt;
        };
    };
    commands["press"] = buttonCommand(true, true);
    commands["down"] = buttonCommand(true, false);
    commands["up"] = buttonCommand(false, true);

    commands["key"] = [this](const std::string& args) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        // A disabled window (the booklet or the about window is open) takes no input.
        if (!form->window.enabled || focusElsewhere) return std::nullopt;
        std::istringstream in(args);
        const auto key = keyArgs(in);
        if (!key) return std::string("key wants CODE down|up");
        keyEvent(*form, key->code, key->down);
        return std::nullopt;
    };

    commands["type"] = [this](const std::string& args) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        // A disabled window (the booklet or the about window is open) takes no input.
        if (!form->window.enabled || focusElsewhere) return std::nullopt;
        for (char c : args) {
            if (!std::isalpha(static_cast<unsigned char>(c))) return std::string("type takes letters only");
        }
        for (char c : args) {
            auto code = static_cast<int16_t>(std::toupper(static_cast<unsigned char>(c)));
            form->Form_KeyDown(code, 0);
            form->Form_KeyUp(code, 0);
        }
        return std::nullopt;
    };

    // The keyboard focus leaves the toy for another program, or comes back. Leaving lets go of
    // every button a key holds, as the desktop's windows do; the keys pressed meanwhile are
    // another program's.
    commands["focus"] = [this](const std::string& args) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        std::istringstream in(args);
        std::string where, extra;
        in >> where;
        if ((where != "out" && where != "in") || (in >> extra)) return std::string("focus wants out|in");
        focusElsewhere = where == "out";
        desktop.focused = !focusElsewhere;
        if (focusElsewhere) form->releaseHeldButtons();
        return std::nullopt;
    };

    commands["mouse"] = [this](const std::string& args) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        // A disabled window (the booklet or the about window is open) takes no input.
        if (!form->window.enabled) return std::nullopt;
        std::istringstream in(args);
        std::string element;
        in >> element;
        const auto mouse = mouseArgs(in);
        if (!mouse) return "mouse wants ELEMENT down|up|move|dblclick BUTTON X Y";
        const std::string& action = mouse->action;
        const int16_t b = mouse->button;
        const float fx = mouse->x;
        const float fy = mouse->y;
        if (auto handlers = buttonHandlers(element); handlers && element.size() > 1) {
            if (action == "down")
                (form.get()->*handlers->down)(b, 0, fx, fy);
            else if (action == "up")
                (form.get()->*handlers->up)(b, 0, fx, fy);
            else if (action != "move" && action != "dblclick")
                return "unknown mouse action: " + action;
            return std::nullopt;
        }
        if (element != "FrontView" && element != "BackView" && element != "ResetButton")
            return "unknown element for the mouse: " + element;
        if (action == "down")
            form->viewMouseDown(element, b, 0, fx, fy);
        else if (action == "up")
            form->viewMouseUp(element, b, 0, fx, fy);
        else if (action == "move")
            form->viewMouseMove(element, b, 0, fx, fy);
        else if (action == "dblclick")
            form->viewDblClick(element);
        else
            return "unknown mouse action: " + action;
        return std::nullopt;
    };
}
