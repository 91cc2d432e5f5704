// SPDX-License-Identifier: GPL-3.0-or-later
// Which care screens the buttons open in the state the pet is in, and what an event of the pet's
// own does to a screen that is open: a sleeping pet lets only its light be switched and its
// status be read, and an event that takes over the screen (an illness, a dropping, falling
// asleep) closes the game first, even on its title.
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

class CareScreens : public testing::Test {
protected:
    void SetUp() override {
        sim.run("store InsulatingSheet 0\nstart");
        pet().MaxMinutes = 240;
        form().DoSetCharacter(3);
        form().options.cheatsShown = true; // as the typed cheat sequence leaves it
    }
    Form1& form() { return sim.form(); }
    PetState& pet() { return sim.form().pet; }
    DeviceState& device() { return sim.form().device; }
    void choose(const std::string& item) { sim.run("menu " + item); }

    // Highlights an icon with A, from none, and presses B on it; true when a screen opened.
    bool openWithB(int16_t icon) {
        EXPECT_EQ(device().SelectedIcon, menuIcon::None);
        for (int i = 0; i <= icon; ++i)
            sim.run("press A");
        EXPECT_EQ(device().SelectedIcon, icon);
        sim.run("press B");
        return pet().ScreenTimeLeft != 0;
    }
    // Closes whatever screen is open and takes the highlight away, as C does.
    void closeWithC() {
        if (pet().ScreenTimeLeft != 0) sim.run("press C");
        sim.run("press C");
        ASSERT_EQ(pet().ScreenTimeLeft, 0);
        ASSERT_EQ(device().SelectedIcon, menuIcon::None);
    }

    Sim sim;
};

TEST_F(CareScreens, AnAwakePetOpensEveryIconAndASleepingOneOnlyTheLightAndTheMeter) {
    std::array<bool, menuIcon::None> awake{}, asleep{};
    for (int16_t icon = 0; icon < menuIcon::None; ++icon) {
        awake[static_cast<std::size_t>(icon)] = openWithB(icon);
        closeWithC();
    }
    choose("mCheatAction2");
    ASSERT_TRUE(pet().SleepAction);
    for (int16_t icon = 0; icon < menuIcon::None; ++icon) {
        asleep[static_cast<std::size_t>(icon)] = openWithB(icon);
        if (icon == menuIcon::Meter) {
            // The first status page, with the pet's age, is on the screen.
            EXPECT_EQ(device().MeterPage, 0);
            EXPECT_TRUE(form().elements.Meter[0].visible);
            EXPECT_TRUE(form().elements.AgeDigit[1].visible);
        }
        closeWithC();
    }
    for (int16_t icon = 0; icon < menuIcon::None; ++icon) {
        EXPECT_TRUE(awake[static_cast<std::size_t>(icon)]) << "icon " << icon << ", awake";
        EXPECT_EQ(asleep[static_cast<std::size_t>(icon)], icon == menuIcon::Light || icon == menuIcon::Meter)
            << "icon " << icon << ", asleep";
    }
    EXPECT_TRUE(pet().SleepAction) << "looking does not wake the pet";
}

// The events that take over the screen: an illness, a dropping, falling asleep.
class EventDuringGame : public CareScreens, public testing::WithParamInterface<const char*> {};

TEST_P(EventDuringGame, ClosesTheGameEvenOnItsTitle) {
    ASSERT_TRUE(openWithB(menuIcon::Play));
    ASSERT_EQ(device().GameState, gameState::Title);
    ASSERT_TRUE(form().elements.PlayTitle.visible);
    choose(GetParam());
    EXPECT_EQ(device().GameState, gameState::None);
    EXPECT_FALSE(form().elements.PlayTitle.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    // The title's own steps would have started the first turn by now.
    sim.run("wait 1");
    EXPECT_EQ(device().GameState, gameState::None);
}

TEST_P(EventDuringGame, ClosesTheGameOnItsFirstTurn) {
    ASSERT_TRUE(openWithB(menuIcon::Play));
    sim.run("wait 1");
    ASSERT_EQ(device().GameState, gameState::Guessing);
    ASSERT_TRUE(form().elements.TempImage.visible);
    choose(GetParam());
    EXPECT_EQ(device().GameState, gameState::None);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    EXPECT_FALSE(form().elements.TempImage.visible) << "the waiting pet of the game is gone";
}

INSTANTIATE_TEST_SUITE_P(Events, EventDuringGame,
                         testing::Values("mCheatAction0", "mCheatAction1", "mCheatAction2"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             const std::string item = info.param;
                             return item == "mCheatAction0"   ? "Illness"
                                    : item == "mCheatAction1" ? "Dropping"
                                                              : "Sleep";
                         });

} // namespace
