// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

// The arguments that many script commands share.

// A whole text as a whole decimal number; nothing when any of it is not.
std::optional<long long> wholeNumber(const std::string& text);

// A window's mouse event: "down|move|up BUTTON X Y" with nothing after it (X and Y in twips, the
// button 0 to 4). The action is not checked: each window knows its own.
struct MouseArgs {
    std::string action;
    int16_t button = 0;
    float x = 0;
    float y = 0;
};
std::optional<MouseArgs> mouseArgs(std::istringstream& in);

// A key event: "CODE down|up" with nothing after it (a virtual key code 0 to 255).
struct KeyArgs {
    int16_t code = 0;
    bool down = false;
};
std::optional<KeyArgs> keyArgs(std::istringstream& in);

// A secondary window's "mouse down|move|up BUTTON X Y", handed to the window's three handlers.
// The usage text when the arguments do not read, an error for any other action.
struct MouseHandlers {
    std::function<void(const MouseArgs&)> down, move, up;
};
std::optional<std::string> windowMouse(std::istringstream& in, const char* usage,
                                       const MouseHandlers& handlers);
