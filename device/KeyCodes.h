// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The Windows virtual-key codes the toy, its sheet and its booklet answer to, and the ones a
// desktop key is passed as so that every key reaches the handlers (a digit must break a typed
// letter sequence as surely as an arrow does).
namespace KeyCode {

constexpr int16_t Backspace = 8;
constexpr int16_t Tab = 9;
constexpr int16_t Enter = 13;
constexpr int16_t Shift = 16;
constexpr int16_t Control = 17;
constexpr int16_t Alt = 18;
constexpr int16_t Pause = 19;
constexpr int16_t CapsLock = 20;
constexpr int16_t Escape = 27;
constexpr int16_t Space = 32;
constexpr int16_t PageUp = 33;
constexpr int16_t PageDown = 34;
constexpr int16_t End = 35;
constexpr int16_t Home = 36;
constexpr int16_t Left = 37;
constexpr int16_t Up = 38;
constexpr int16_t Right = 39;
constexpr int16_t Down = 40;
constexpr int16_t PrintScreen = 44;
constexpr int16_t Insert = 45;
constexpr int16_t Delete = 46;
constexpr int16_t Digit0 = 48;
constexpr int16_t A = 65;
constexpr int16_t Z = 90;
constexpr int16_t Meta = 91;
constexpr int16_t ContextMenu = 93;
constexpr int16_t Numpad0 = 96;
constexpr int16_t NumpadMultiply = 106;
constexpr int16_t NumpadAdd = 107;
constexpr int16_t NumpadSubtract = 109;
constexpr int16_t NumpadDecimal = 110;
constexpr int16_t NumpadDivide = 111;
constexpr int16_t F1 = 112;
constexpr int16_t F24 = 135;
constexpr int16_t NumLock = 144;
constexpr int16_t ScrollLock = 145;
constexpr int16_t Semicolon = 186;
constexpr int16_t Equals = 187;
constexpr int16_t Comma = 188;
constexpr int16_t Minus = 189;
constexpr int16_t Period = 190;
constexpr int16_t Slash = 191;
constexpr int16_t Backquote = 192;
constexpr int16_t BracketLeft = 219;
constexpr int16_t Backslash = 220;
constexpr int16_t BracketRight = 221;
constexpr int16_t Quote = 222;
// A key the table does not know (a dead key, a letter of another alphabet): still a key, and
// not a letter.
constexpr int16_t Unknown = 255;

} // namespace KeyCode

// A key going down or up, handed to the window's key-down or key-up handler.
template <class Window> void keyEvent(Window& window, int16_t code, bool down) {
    if (down)
        window.Form_KeyDown(code, 0);
    else
        window.Form_KeyUp(code, 0);
}
