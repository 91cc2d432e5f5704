// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/ScriptArgs.h"

#include <charconv>

std::optional<long long> wholeNumber(const std::string& text) {
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<MouseArgs> mouseArgs(std::istringstream& in) {
    std::string action, buttonText, xText, yText, extra;
    in >> action >> buttonText >> xText >> yText;
    const auto button = wholeNumber(buttonText);
    const auto x = wholeNumber(xText);
    const auto y = wholeNumber(yText);
    if (!button || !x || !y || (in >> extra) || *button < 0 || *button > 4) return std::nullopt;
    return MouseArgs{action, static_cast<int16_t>(*button), static_cast<float>(*x), static_cast<float>(*y)};
}

std::optional<KeyArgs> keyArgs(std::istringstream& in) {
    std::string codeText, action, extra;
    in >> codeText >> action;
    const auto code = wholeNumber(codeText);
    if (!code || *code < 0 || *code > 255 || (action != "down" && action != "up") || (in >> extra))
        return std::nullopt;
    return KeyArgs{static_cast<int16_t>(*code), action == "down"};
}

std::optional<std::string> windowMouse(std::istringstream& in, const char* usage,
                                       const MouseHandlers& handlers) {
    const auto mouse = mouseArgs(in);
    if (!mouse) return std::string(usage);
    if (mouse->action == "down")
        handlers.down(*mouse);
    else if (mouse->action == "move")
        handlers.move(*mouse);
    else if (mouse->action == "up")
        handlers.up(*mouse);
    else
        return "unknown mouse action: " + mouse->action;
    return std::nullopt;
}
