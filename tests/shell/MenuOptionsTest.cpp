// The option items of the pop-up menu that a script cannot follow through a restart: the options
// and the pet survive "Exit" into the next start. (The check marks, radio pairs and the sound
// switch are driven by the menu_* scenario scripts.)
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

// Chooses the given items, exits, starts the program again on the same store and returns
// whether each option item is checked after the restart.
struct Restart {
    std::vector<const char*> chosen;
    std::vector<const char*> checkedAfter;
    std::vector<const char*> uncheckedAfter;
};

class MenuOptions : public testing::TestWithParam<Restart> {};

TEST_P(MenuOptions, ExitSavesThePetAndTheOptionsForTheNextStart) {
    Sim sim;
    sim.run("store InsulatingSheet 0\nstart\nset MinuteCount 77\nset SecondCount 31\nset Hunger 2");
    for (const char* item : GetParam().chosen)
        sim.run(std::string("menu ") + item);
    sim.run("menu mPopupClose");
    EXPECT_EQ(sim.dump().value("timer").toInt(), 0);

    std::ostringstream out;
    ScriptRunner next(PIPLING_BIN_DIR, sim.storeFile(), out);
    ASSERT_FALSE(next.runLine("start"));
    Form1& form = *next.device();
    EXPECT_EQ(form.pet.MinuteCount, 77);
    EXPECT_EQ(form.pet.SecondCount, 31);
    EXPECT_EQ(form.pet.Hunger, 2);
    const MenuItem& shown = form.presentedMenu();
    for (const char* item : GetParam().checkedAfter)
        EXPECT_TRUE(shown.find(*menuIdNamed(item))->checked) << item;
    for (const char* item : GetParam().uncheckedAfter)
        EXPECT_FALSE(shown.find(*menuIdNamed(item))->checked) << item;
    EXPECT_EQ(form.window.topmost, form.options.alwaysOnTop);
    EXPECT_EQ(form.timerInterval, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Options, MenuOptions,
    testing::Values(Restart{{},
                            {"mPopupSound", "mPopupWave", "mPopupOnTop", "mPopupPlay0"},
                            {"mPopupBeep", "mPopupAutoShow", "mPopupPlay1", "mPopupStatus"}},
                    Restart{{"mPopupSound", "mPopupBeep", "mPopupPlay1", "mPopupOnTop", "mPopupAutoShow"},
                            {"mPopupBeep", "mPopupPlay1", "mPopupAutoShow"},
                            {"mPopupSound", "mPopupWave", "mPopupPlay0", "mPopupOnTop"}}));

} // namespace
