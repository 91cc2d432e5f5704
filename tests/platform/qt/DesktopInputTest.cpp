// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's keys on their way to the device: every key with its own code, and a held key
// pressing once however its repetition arrives.
#include "platform/qt/common/KeyRepeatFilter.h"
#include "platform/qt/common/QtInput.h"
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

// A device whose keys come through the desktop's key path.
struct KeyboardDevice {
    Sim sim;
    KeyRepeatFilter keys{[this](int16_t code, bool down) {
        sim.run("key " + std::to_string(code) + (down ? " down" : " up"));
    }};
    KeyboardDevice() { sim.run("store InsulatingSheet 0\nstore CharacterNo 3\nstart"); }
    bool cheatsShown() { return sim.dump()["menu"].toObject()["mCheats"].toObject()["visible"].toBool(); }
    void type(std::initializer_list<int> qtKeys) {
        for (int key : qtKeys) {
            const std::string code = std::to_string(virtualKeyCode(key, Qt::NoModifier));
            sim.run("key " + code + " down\nkey " + code + " up");
        }
    }
};

TEST(DesktopKeys, EveryKeyArrivesWithACodeAndOnlyLettersAsLetters) {
    const int others[] = {
        Qt::Key_0,     Qt::Key_9,        Qt::Key_Space,      Qt::Key_Exclam,  Qt::Key_Comma,
        Qt::Key_Minus, Qt::Key_Question, Qt::Key_BraceLeft,  Qt::Key_F5,      Qt::Key_Home,
        Qt::Key_End,   Qt::Key_PageDown, Qt::Key_Shift,      Qt::Key_unknown, 0x0416 /* a Cyrillic letter */,
        Qt::Key_Tab,   Qt::Key_Delete,   Qt::Key_Dead_Acute, Qt::Key_Eacute};
    for (int key : others) {
        const int16_t code = virtualKeyCode(key, Qt::NoModifier);
        EXPECT_NE(code, 0) << std::hex << key;
        EXPECT_FALSE(code >= 'A' && code <= 'Z') << std::hex << key;
    }
    EXPECT_EQ(virtualKeyCode(Qt::Key_1, Qt::NoModifier), '1');
    EXPECT_EQ(virtualKeyCode(Qt::Key_Exclam, Qt::ShiftModifier), '1') << "the key, not the symbol it typed";
    EXPECT_EQ(virtualKeyCode(Qt::Key_1, Qt::KeypadModifier), 97);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1, Qt::NoModifier), 112);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Home, Qt::NoModifier), 36);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Q, Qt::NoModifier), 'Q');
}

TEST(DesktopKeys, AnyNonLetterBetweenTheCheatLettersBreaksTheSequence) {
    KeyboardDevice device;
    for (int breaker : {Qt::Key_1, Qt::Key_Space, Qt::Key_Period, Qt::Key_unknown}) {
        device.type({Qt::Key_Q, Qt::Key_Z, breaker, Qt::Key_V, Qt::Key_K});
        EXPECT_FALSE(device.cheatsShown()) << std::hex << breaker;
    }
    device.type({Qt::Key_Space, Qt::Key_Q, Qt::Key_Z, Qt::Key_V, Qt::Key_K});
    EXPECT_TRUE(device.cheatsShown());
}

TEST(DesktopKeys, AHeldArrowMovesTheHighlightOnceHoweverItsRepetitionArrives) {
    KeyboardDevice device;
    // Three seconds of Left held: repetitions every 33 ms, some marked as auto-repeat by the
    // toolkit, some arriving as an unmarked release and press at one timestamp.
    const int16_t left = virtualKeyCode(Qt::Key_Left, Qt::NoModifier);
    device.keys.press(left, 1000);
    for (uint64_t t = 1500; t < 4000; t += 33) {
        device.keys.release(left, t, t % 2 == 0);
        device.keys.press(left, t);
    }
    EXPECT_EQ(device.sim.number("SelectedIcon"), 0);
    device.keys.release(left, 4000, false);
    device.keys.flush();
    EXPECT_EQ(device.sim.form().pet.ButtonAPressed, false) << "the real release arrived";
    // Two real presses, a release and a press at different moments, are two presses.
    device.keys.press(left, 5000);
    device.keys.release(left, 5100, false);
    device.keys.press(left, 5200);
    device.keys.release(left, 5300, false);
    device.keys.flush();
    EXPECT_EQ(device.sim.number("SelectedIcon"), 2);
}

TEST(DesktopKeys, AHeldBackReleaseIsDeliveredBeforeTheNextKey) {
    std::vector<std::pair<int16_t, bool>> delivered;
    KeyRepeatFilter keys([&](int16_t code, bool down) { delivered.emplace_back(code, down); });
    keys.press(37, 10);
    keys.release(37, 20, false);
    keys.press(39, 20); // another key at the same moment: the release was real
    const std::vector<std::pair<int16_t, bool>> expected = {{37, true}, {37, false}, {39, true}};
    EXPECT_EQ(delivered, expected);
}

} // namespace
