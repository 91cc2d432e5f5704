// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/common/QtInput.h"

#include "app/Vocabulary.h"
#include "device/Element.h"
#include "device/KeyCodes.h"

#include <utility>

int16_t mouseButtonCode(Qt::MouseButtons buttons) {
    int16_t code = mouseButton::None;
    if (buttons & Qt::LeftButton) code |= mouseButton::Left;
    if (buttons & Qt::RightButton) code |= mouseButton::Right;
    if (buttons & Qt::MiddleButton) code |= mouseButton::Middle;
    return code;
}

TwipsPoint twipsAt(const QMouseEvent& event) {
    constexpr double Twips = Element::TwipsPerPixel;
    return {static_cast<float>(event.position().x() * Twips),
            static_cast<float>(event.position().y() * Twips)};
}

namespace {

// Keys of the numeric keypad have codes of their own.
int16_t keypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<int16_t>(KeyCode::Numpad0 + key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk:
        return KeyCode::NumpadMultiply;
    case Qt::Key_Plus:
        return KeyCode::NumpadAdd;
    case Qt::Key_Minus:
        return KeyCode::NumpadSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return KeyCode::NumpadDecimal;
    case Qt::Key_Slash:
        return KeyCode::NumpadDivide;
    default:
        return 0;
    }
}

// Qt reports the character a key produced, so a shifted key reports its shifted symbol; the
// virtual-key code names the key itself. Each pair maps a Qt key to the key that produces it on
// a US layout.
constexpr std::pair<int, int16_t> Keys[] = {
    {Qt::Key_Backspace, KeyCode::Backspace},
    {Qt::Key_Tab, KeyCode::Tab},
    {Qt::Key_Backtab, KeyCode::Tab},
    {Qt::Key_Return, KeyCode::Enter},
    {Qt::Key_Enter, KeyCode::Enter},
    {Qt::Key_Shift, KeyCode::Shift},
    {Qt::Key_Control, KeyCode::Control},
    {Qt::Key_Alt, KeyCode::Alt},
    {Qt::Key_AltGr, KeyCode::Alt},
    {Qt::Key_Pause, KeyCode::Pause},
    {Qt::Key_CapsLock, KeyCode::CapsLock},
    {Qt::Key_Escape, KeyCode::Escape},
    {Qt::Key_Space, KeyCode::Space},
    {Qt::Key_PageUp, KeyCode::PageUp},
    {Qt::Key_PageDown, KeyCode::PageDown},
    {Qt::Key_End, KeyCode::End},
    {Qt::Key_Home, KeyCode::Home},
    {Qt::Key_Left, KeyCode::Left},
    {Qt::Key_Up, KeyCode::Up},
    {Qt::Key_Right, KeyCode::Right},
    {Qt::Key_Down, KeyCode::Down},
    {Qt::Key_Print, KeyCode::PrintScreen},
    {Qt::Key_Insert, KeyCode::Insert},
    {Qt::Key_Delete, KeyCode::Delete},
    {Qt::Key_ParenRight, KeyCode::Digit0},
    {Qt::Key_Exclam, KeyCode::Digit0 + 1},
    {Qt::Key_At, KeyCode::Digit0 + 2},
    {Qt::Key_NumberSign, KeyCode::Digit0 + 3},
    {Qt::Key_Dollar, KeyCode::Digit0 + 4},
    {Qt::Key_Percent, KeyCode::Digit0 + 5},
    {Qt::Key_AsciiCircum, KeyCode::Digit0 + 6},
    {Qt::Key_Ampersand, KeyCode::Digit0 + 7},
    {Qt::Key_Asterisk, KeyCode::Digit0 + 8},
    {Qt::Key_ParenLeft, KeyCode::Digit0 + 9},
    {Qt::Key_Meta, KeyCode::Meta},
    {Qt::Key_Super_L, KeyCode::Meta},
    {Qt::Key_Super_R, KeyCode::Meta},
    {Qt::Key_Menu, KeyCode::ContextMenu},
    {Qt::Key_NumLock, KeyCode::NumLock},
    {Qt::Key_ScrollLock, KeyCode::ScrollLock},
    {Qt::Key_Semicolon, KeyCode::Semicolon},
    {Qt::Key_Colon, KeyCode::Semicolon},
    {Qt::Key_Equal, KeyCode::Equals},
    {Qt::Key_Plus, KeyCode::Equals},
    {Qt::Key_Comma, KeyCode::Comma},
    {Qt::Key_Less, KeyCode::Comma},
    {Qt::Key_Minus, KeyCode::Minus},
    {Qt::Key_Underscore, KeyCode::Minus},
    {Qt::Key_Period, KeyCode::Period},
    {Qt::Key_Greater, KeyCode::Period},
    {Qt::Key_Slash, KeyCode::Slash},
    {Qt::Key_Question, KeyCode::Slash},
    {Qt::Key_QuoteLeft, KeyCode::Backquote},
    {Qt::Key_AsciiTilde, KeyCode::Backquote},
    {Qt::Key_BracketLeft, KeyCode::BracketLeft},
    {Qt::Key_BraceLeft, KeyCode::BracketLeft},
    {Qt::Key_Backslash, KeyCode::Backslash},
    {Qt::Key_Bar, KeyCode::Backslash},
    {Qt::Key_BracketRight, KeyCode::BracketRight},
    {Qt::Key_BraceRight, KeyCode::BracketRight},
    {Qt::Key_Apostrophe, KeyCode::Quote},
    {Qt::Key_QuoteDbl, KeyCode::Quote},
};

} // namespace

int16_t virtualKeyCode(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier)
        if (int16_t code = keypadCode(key)) return code;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<int16_t>(KeyCode::A + key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<int16_t>(KeyCode::Digit0 + key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<int16_t>(KeyCode::F1 + key - Qt::Key_F1);
    for (const auto& [qtKey, code] : Keys)
        if (qtKey == key) return code;
    return KeyCode::Unknown;
}
