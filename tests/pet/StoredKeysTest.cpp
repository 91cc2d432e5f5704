// SPDX-License-Identifier: GPL-3.0-or-later
// The key table of the settings store: the saved section keeps the order older versions wrote,
// and every key of the pet's own fields names the field that scripts and the dump know by it.
#include "pet/StoredKeys.h"
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A first run saves every key, in the order every version has written them: the file is read
// as it lies on the disk once the program has ended.
TEST(StoredKeys, TheSavedSectionKeepsTheOrderOlderVersionsWrote) {
    Sim sim(Sim::noAssets());
    sim.run("start\nquit");
    std::istringstream file(fileBytes(sim.storeFile()));
    std::vector<std::string> written;
    for (std::string line; std::getline(file, line);)
        if (auto equals = line.find('='); equals != std::string::npos)
            written.push_back(line.substr(0, equals));
    const std::vector<std::string> older = {"InsulatingSheet",
                                            "InsulatingSheetWidthPushed",
                                            "Plugins",
                                            "AlwaysOnTop",
                                            "AttendTimeLeft",
                                            "AutoShow",
                                            "Notifications",
                                            "CharacterNo",
                                            "CurrentSkin",
                                            "FeedMenuIndex",
                                            "FormVisible",
                                            "IntervalCount",
                                            "Left",
                                            "LightMenuIndex",
                                            "LightOff",
                                            "MinuteCount",
                                            "MaxMinutes",
                                            "SecondCount",
                                            "Sound",
                                            "SoundType",
                                            "PlayType",
                                            "CurrentTempChar",
                                            "Top",
                                            "TotalNeedCount",
                                            "Age",
                                            "Weight",
                                            "Discipline",
                                            "Happiness",
                                            "Hunger",
                                            "Sickness",
                                            "Dung",
                                            "AttentionHungry",
                                            "AttentionHappy",
                                            "AttentionDiscipline",
                                            "AttentionSleep",
                                            "SleepAction",
                                            "DyingAction",
                                            "DyingTimeLeft",
                                            "DisciplineWhenNeed",
                                            "PlayCounter",
                                            "SnackCount",
                                            "NeedCount",
                                            "CareWhenNeed"};
    EXPECT_EQ(written, older);
}

// A key of a pet field and the dump's name for that field are the same word.
TEST(StoredKeys, EveryKeyOfAPetFieldIsThatFieldsNameInTheDump) {
    Sim sim(Sim::noAssets());
    sim.run("start");
    Form1& form = sim.form();
    int petKeys = 0;
    for (const stored::Key& key : stored::keys()) {
        const void* field = nullptr;
        std::visit(
            [&](auto member) {
                if constexpr (requires { form.pet.*member; }) field = &(form.pet.*member);
            },
            key.field);
        if (!field) continue;
        ++petKeys;
        const void* named = nullptr;
        form.forEachField([&](const char* name, auto& value) {
            if (std::string(name) == key.name) named = &value;
        });
        EXPECT_EQ(named, field) << key.name;
    }
    EXPECT_EQ(petKeys, 34);
}

} // namespace
