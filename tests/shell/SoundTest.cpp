// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a sound is made: the callers that force a sound past the switch, and the names a
// sound may be given. (Wave, beep and silence by the menu are in the sound_* scenario scripts.)
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

class Sound : public testing::Test {
protected:
    void SetUp() override { sim.run("store InsulatingSheet 0\nstart"); }
    std::vector<std::string> heard() { return sim.script().sound.take(); }
    void options(bool soundOn, bool wave) {
        form().options.sound = soundOn;
        form().options.wave = wave;
    }
    Form1& form() { return sim.form(); }
    Sim sim;
};

using Heard = std::vector<std::string>;

TEST_F(Sound, AForcedSoundIsHeardWithSoundOffAndEverySoundComesFromTheProgramFolder) {
    heard();
    options(false, true);
    const std::string file = form().appFile("\\sounds\\turnsnd.wav");
    form().DoPlaySound(file, true, form().options.wave);
    EXPECT_EQ(heard(), Heard{"\\sounds\\turnsnd.wav"});
    options(false, false);
    form().DoPlaySound(file, true, form().options.wave);
    EXPECT_EQ(heard(), Heard{"beep"}) << "forcing switches the sound on, not the kind of sound";
    form().DoPlaySound(file, false, true);
    EXPECT_EQ(heard(), Heard{});
    // Sounds come from the program folder whichever way they are named.
    options(true, true);
    form().DoPlaySound("\\sounds\\reset.wav");
    form().DoPlaySound(form().appFile("\\sounds\\reset.wav"));
    EXPECT_EQ(heard(), (Heard{"\\sounds\\reset.wav", "\\sounds\\reset.wav"}));
}

} // namespace
