// The option items of the pop-up menu: their check marks, the sound switch that is heard both
// ways, the radio pairs, and that the options and the pet survive "Exit" into the next start.
#include "tests/Sim.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

class MenuOptions : public testing::Test {
protected:
    void SetUp() override { sim.run("store InsulatingSheet 0\nstart"); }

    bool checked(const char* item) { return sim.form().menuItem(item).checked; }
    void choose(const char* item) { sim.run(std::string("menu ") + item); }
    // The sounds heard since the last call.
    std::vector<std::string> sounds() {
        std::vector<std::string> result;
        for (const QJsonValue& sound : sim.dump().value("sounds").toArray())
            result.push_back(sound.toString().toStdString());
        return result;
    }

    Sim sim;
};

using Sounds = std::vector<std::string>;
const std::string TurnSound = "\\sounds\\turnsnd.wav";

TEST_F(MenuOptions, SoundSwitchIsHeardInBothDirections) {
    sounds();
    choose("mPopupSound");
    EXPECT_FALSE(checked("mPopupSound"));
    EXPECT_EQ(sounds(), Sounds{TurnSound}) << "switching off confirms itself";
    choose("mPopupSound");
    EXPECT_TRUE(checked("mPopupSound"));
    EXPECT_EQ(sounds(), Sounds{TurnSound});
}

TEST_F(MenuOptions, BeepChosenWhileSoundIsOffStaysSilentUntilSoundIsOn) {
    choose("mPopupSound");
    sounds();
    choose("mPopupBeep");
    sim.form().DoPlaySound(sim.form().appFile("\\sounds\\beep.wav"));
    EXPECT_EQ(sounds(), Sounds{});
    choose("mPopupSound");
    EXPECT_EQ(sounds(), Sounds{"beep"}) << "the switch sound takes the chosen sound type";
    sim.form().DoPlaySound(sim.form().appFile("\\sounds\\attend.wav"));
    EXPECT_EQ(sounds(), Sounds{"beep"});
}

TEST_F(MenuOptions, RadioPairsKeepExactlyOneChoice) {
    struct Pair {
        const char* first;
        const char* second;
    };
    for (Pair pair : {Pair{"mPopupWave", "mPopupBeep"}, Pair{"mPopupPlay0", "mPopupPlay1"}}) {
        EXPECT_TRUE(checked(pair.first));
        choose(pair.first); // choosing the checked item changes nothing
        EXPECT_TRUE(checked(pair.first));
        EXPECT_FALSE(checked(pair.second));
        choose(pair.second);
        EXPECT_FALSE(checked(pair.first));
        EXPECT_TRUE(checked(pair.second));
        choose(pair.second);
        EXPECT_TRUE(checked(pair.second));
        EXPECT_FALSE(checked(pair.first));
        choose(pair.first);
        EXPECT_TRUE(checked(pair.first));
        EXPECT_FALSE(checked(pair.second));
    }
    EXPECT_EQ(sounds(), Sounds{}) << "choosing a sound type plays nothing";
}

TEST_F(MenuOptions, AlwaysOnTopFollowsItsCheckMark) {
    ASSERT_TRUE(sim.form().window.topmost);
    choose("mPopupOnTop");
    EXPECT_FALSE(checked("mPopupOnTop"));
    EXPECT_FALSE(sim.form().window.topmost);
    choose("mPopupOnTop");
    EXPECT_TRUE(sim.form().window.topmost);
}

TEST_F(MenuOptions, AutoShowOnlyTogglesItsMark) {
    const auto before = sim.dump();
    choose("mPopupAutoShow");
    EXPECT_TRUE(checked("mPopupAutoShow"));
    const auto after = sim.dump();
    EXPECT_EQ(before.value("window"), after.value("window"));
    EXPECT_EQ(before.value("fields"), after.value("fields"));
    choose("mPopupAutoShow");
    EXPECT_FALSE(checked("mPopupAutoShow"));
}

TEST_F(MenuOptions, ExitSavesEverythingAndStopsTheDevice) {
    sim.run("set MinuteCount 77\nset SecondCount 31\nset Hunger 2");
    choose("mPopupSound");
    choose("mPopupBeep");
    choose("mPopupPlay1");
    choose("mPopupOnTop");
    choose("mPopupAutoShow");
    choose("mPopupClose");
    auto dump = sim.dump();
    EXPECT_EQ(dump.value("timer").toInt(), 0);
    EXPECT_FALSE(dump.value("tray").toObject().value("present").toBool());
    auto stored = sim.settings();
    EXPECT_EQ(stored.value("MinuteCount").toString(), "77");
    EXPECT_EQ(stored.value("SecondCount").toString(), "31");
    EXPECT_EQ(stored.value("Hunger").toString(), "2");
    EXPECT_EQ(stored.value("Sound").toString(), "False");
    EXPECT_EQ(stored.value("SoundType").toString(), "1");
    EXPECT_EQ(stored.value("PlayType").toString(), "1");
    EXPECT_EQ(stored.value("AlwaysOnTop").toString(), "False");
    EXPECT_EQ(stored.value("AutoShow").toString(), "True");

    // The next start of the program continues the same pet with the same options.
    std::ostringstream out;
    ScriptRunner next(PIPLING_BIN_DIR, sim.storeFile(), out);
    ASSERT_FALSE(next.runLine("start"));
    Form1& form = *next.device();
    EXPECT_EQ(form.pet.MinuteCount, 77);
    EXPECT_EQ(form.pet.SecondCount, 31);
    EXPECT_EQ(form.pet.Hunger, 2);
    EXPECT_FALSE(form.menuItem("mPopupSound").checked);
    EXPECT_FALSE(form.menuItem("mPopupWave").checked);
    EXPECT_TRUE(form.menuItem("mPopupBeep").checked);
    EXPECT_FALSE(form.menuItem("mPopupPlay0").checked);
    EXPECT_TRUE(form.menuItem("mPopupPlay1").checked);
    EXPECT_FALSE(form.menuItem("mPopupOnTop").checked);
    EXPECT_FALSE(form.window.topmost);
    EXPECT_TRUE(form.menuItem("mPopupAutoShow").checked);
    EXPECT_EQ(form.timerInterval, 10);
}

TEST_F(MenuOptions, DefaultOptionsRoundTripToo) {
    choose("mPopupClose");
    std::ostringstream out;
    ScriptRunner next(PIPLING_BIN_DIR, sim.storeFile(), out);
    ASSERT_FALSE(next.runLine("start"));
    Form1& form = *next.device();
    for (const char* item : {"mPopupSound", "mPopupWave", "mPopupOnTop", "mPopupPlay0"})
        EXPECT_TRUE(form.menuItem(item).checked) << item;
    for (const char* item : {"mPopupBeep", "mPopupAutoShow", "mPopupPlay1", "mPopupStatus"})
        EXPECT_FALSE(form.menuItem(item).checked) << item;
}

} // namespace
