// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a stored pet: a value that is missing, does not convert or lies outside what the rules
// can produce is skipped, exactly as if the key were not there, and the rest of the pet loads. The
// pet saves in the order older versions wrote, each key of a pet field named as scripts name it.
#include "pet/StoredKeys.h"
#include "platform/disk/IniSettingsStore.h"
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A living adult with a record in every key.
const Values SavedPet = values(
    "InsulatingSheet=0 InsulatingSheetWidthPushed=700 Plugins= AlwaysOnTop=False AttendTimeLeft=90 "
    "AutoShow=True Notifications=True CharacterNo=6 CurrentSkin=Default FeedMenuIndex=1 FormVisible=True "
    "IntervalCount=40 "
    "Left=3000 LightMenuIndex=0 LightOff=False MinuteCount=321 MaxMinutes=960 SecondCount=17 Sound=False "
    "SoundType=1 PlayType=1 CurrentTempChar=1 Top=2000 TotalNeedCount=12 Age=3 Weight=44 Discipline=9 "
    "Happiness=2 Hunger=3 Sickness=1 Dung=2 AttentionHungry=True AttentionHappy=False "
    "AttentionDiscipline=False AttentionSleep=False SleepAction=False DyingAction=0 DyingTimeLeft=300 "
    "DisciplineWhenNeed=2 PlayCounter=4 SnackCount=5 NeedCount=8 CareWhenNeed=6");

// Starts the program on a store that holds the section.
void startOn(Sim& sim, const Values& section) {
    IniSettingsStore(sim.storeFile()).writeSection("Pipling", section);
    sim.run("start");
}

// Everything observable after start-up except what only time changes.
QJsonObject loaded(const Values& section) {
    Sim sim(Sim::noAssets());
    startOn(sim, section);
    QJsonObject state = sim.dump();
    state.remove("sounds");
    state.remove("clock");
    return state;
}

Values with(const std::string& key, const std::optional<std::string>& value) {
    Values section;
    for (const auto& entry : SavedPet) {
        if (entry.first != key)
            section.push_back(entry);
        else if (value)
            section.emplace_back(key, *value);
    }
    return section;
}

// The saved pet loads as stored, and a close and a new start continue the same minute.
TEST(SettingsLoad, TheSavedPetLoadsAsStoredAndSavesAsItWent) {
    Sim sim(Sim::noAssets());
    startOn(sim, SavedPet);
    QJsonObject fields = sim.dump().value("fields").toObject();
    for (const auto& [key, stored] :
         values("CharacterNo=6 MinuteCount=321 MaxMinutes=960 SecondCount=17 Age=3 "
                "Weight=44 Discipline=9 Happiness=2 Hunger=3 Sickness=1 Dung=2 DyingTimeLeft=300 NeedCount=8 "
                "CareWhenNeed=6"))
        EXPECT_EQ(fields.value(QString::fromStdString(key)).toInteger(), std::stoll(stored)) << key;
    EXPECT_EQ(sim.last().value("window").toObject().value("left").toInt(), 3000);
    EXPECT_FALSE(
        sim.last().value("menu").toObject().value("mPopupSound").toObject().value("checked").toBool());
    EXPECT_TRUE(sim.last().value("menu").toObject().value("mPopupBeep").toObject().value("checked").toBool());
    sim.run("quit");
    const QJsonObject first = sim.settings();
    Sim again(Sim::noAssets());
    startOn(again, SavedPet);
    again.run("clock 18:30:00\nquit");
    EXPECT_EQ(again.settings(), first);
    for (const auto& [key, stored] : SavedPet)
        EXPECT_EQ(first.value(QString::fromStdString(key)).toString().toStdString(), stored) << key;
}

// A first run saves every key in the order every version has written, which hand-edited files keep
// (a store that exists keeps its own order).
TEST(SettingsLoad, AFirstRunSavesTheKeysInTheOrderOlderVersionsWrote) {
    Sim sim(Sim::noAssets());
    sim.run("start\nquit");
    std::istringstream file(fileBytes(sim.storeFile()));
    std::vector<std::string> order, older;
    for (std::string line; std::getline(file, line);)
        if (auto equals = line.find('='); equals != std::string::npos)
            order.push_back(line.substr(0, equals));
    for (const auto& entry : SavedPet)
        older.push_back(entry.first);
    EXPECT_EQ(order, older);
}

// Each option item shows the stored option, either way round, and the window keeps on top as its
// item says.
TEST(SettingsLoad, TheOptionItemsShowTheStoredOptionsEitherWayRound) {
    for (const bool on : {false, true}) {
        Values section = SavedPet;
        for (auto& [key, value] : section)
            if (key == "Sound" || key == "AlwaysOnTop" || key == "AutoShow")
                value = on ? "True" : "False";
            else if (key == "SoundType" || key == "PlayType")
                value = on ? "0" : "1";
        const QJsonObject state = loaded(section);
        for (const auto& [item, checked] : {std::pair{"mPopupSound", on},
                                            {"mPopupWave", on},
                                            {"mPopupBeep", !on},
                                            {"mPopupPlay0", on},
                                            {"mPopupPlay1", !on},
                                            {"mPopupOnTop", on},
                                            {"mPopupAutoShow", on},
                                            {"mPopupStatus", false}})
            EXPECT_EQ(state["menu"][item]["checked"].toBool(), checked) << item << " stored " << on;
        EXPECT_EQ(state["window"]["topmost"].toBool(), on);
        EXPECT_EQ(state["timer"].toInt(), 10);
    }
}

TEST(SettingsLoad, GarbageInAnyKeyIsSkippedAsIfMissing) {
    const std::vector<std::string> garbage = {
        "abc", "12abc", "\x01\xff\xfe", "1e309", "NaN", std::string(100000, '9'), "-", "1 2"};
    for (const auto& [key, value] : SavedPet) {
        if (key == "Plugins" || key == "CurrentSkin" || key == "InsulatingSheet")
            continue; // folder names and the first-run probe are tested on their own
        const QJsonObject missing = loaded(with(key, std::nullopt));
        for (const std::string& bad : garbage)
            EXPECT_EQ(loaded(with(key, bad)), missing) << key << " = \"" << bad.substr(0, 20) << "\"";
    }
    // A garbage sheet state is no first run: the pet is kept (no new egg), and only the sheet goes
    // back to its fresh state.
    const QJsonObject sheet = loaded(with("InsulatingSheet", "junk"))["fields"].toObject();
    EXPECT_EQ(sheet["CharacterNo"].toInt(), 6);
    EXPECT_EQ(sheet["MinuteCount"].toInt(), 321);
    EXPECT_EQ(sheet["InsulatingSheet"].toInt(), 1);
}

TEST(SettingsLoad, ValuesOutsideWhatTheRulesProduceAreSkipped) {
    struct Range {
        const char* key;
        long long min;
        long long max;
    };
    const Range ranges[] = {{"CharacterNo", 0, 12},    {"Dung", 0, 8},         {"Hunger", 0, 4},
                            {"Happiness", 0, 4},       {"Discipline", 0, 14},  {"Age", 0, 99},
                            {"Weight", 0, 100},        {"DyingAction", 0, 62}, {"SecondCount", 0, 59},
                            {"AttendTimeLeft", 0, 120}};
    for (const Range& range : ranges) {
        const QJsonObject missing = loaded(with(range.key, std::nullopt));
        for (long long bad : {range.min - 1, range.max + 1, 40000LL, -40000LL})
            EXPECT_EQ(loaded(with(range.key, std::to_string(bad))), missing) << range.key << " = " << bad;
        for (long long good : {range.min, range.max})
            EXPECT_EQ(loaded(with(range.key, std::to_string(good)))
                          .value("fields")
                          .toObject()
                          .value(range.key)
                          .toInteger(),
                      good)
                << range.key << " = " << good;
    }
    for (const char* bad : {"-1", "-5", "2147483648"})
        EXPECT_EQ(loaded(with("MinuteCount", bad)), loaded(with("MinuteCount", std::nullopt))) << bad;
    for (const char* key : {"Left", "Top"})
        for (const char* bad : {"-491521", "491521", "-1e9"})
            EXPECT_EQ(loaded(with(key, bad)), loaded(with(key, std::nullopt))) << key << " = " << bad;
    for (const char* bad : {"-1"})
        EXPECT_EQ(loaded(with("Sickness", bad)), loaded(with("Sickness", std::nullopt))) << bad;
    // Any whole life length a new egg could draw between is kept; a hand-edited 600 is no reason
    // to kill the adult.
    for (const char* bad : {"0", "239", "1201", "-240", "600.5"})
        EXPECT_EQ(loaded(with("MaxMinutes", bad)), loaded(with("MaxMinutes", std::nullopt))) << bad;
    for (const char* good : {"240", "600", "1200"})
        EXPECT_EQ(loaded(with("MaxMinutes", good)).value("fields").toObject().value("MaxMinutes").toInt(),
                  std::stoi(good));
}

TEST(SettingsLoad, FolderNamesMustBeSingleFolders) {
    for (const char* bad : {"../../etc", "a/b", "a\\b", ".", ".."}) {
        QJsonObject skin = loaded(with("CurrentSkin", bad)).value("fields").toObject();
        EXPECT_EQ(skin.value("CurrentSkin").toString(), "Default") << bad;
        QJsonObject plugin = loaded(with("Plugins", bad)).value("fields").toObject();
        EXPECT_EQ(plugin.value("Plugins").toString(), "") << bad;
    }
    // A folder name with a space is one folder: kept while that skin has its front view.
    TestTree tree;
    tree.picture("skins/Night Shift/front.gif");
    Sim sim(tree.appDir());
    startOn(sim, with("CurrentSkin", "Night Shift"));
    EXPECT_EQ(sim.form().pet.CurrentSkin, "Night Shift");
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

TEST(SettingsLoad, AnEggClosedWhileItCracksComesBackAsStored) {
    // The cracking shell lets the animation clock run on for two seconds, past a second's worth;
    // the next start must take the stored count, not drop it as out of range.
    Sim sim(Sim::noAssets());
    sim.run("store InsulatingSheet 0\nstore CharacterNo 0\nstore SecondCount 59\nstart\nwait 2.5");
    ASSERT_EQ(sim.number("CurrentTempChar"), 2) << "not cracking";
    sim.run("quit");
    const QJsonObject stored = sim.settings();
    EXPECT_GT(stored.value("IntervalCount").toString().toInt(), 1000);
    Values section;
    for (auto it = stored.begin(); it != stored.end(); ++it)
        section.emplace_back(it.key().toStdString(), it.value().toString().toStdString());
    Sim again(Sim::noAssets());
    startOn(again, section);
    EXPECT_EQ(again.number("IntervalCount"), stored.value("IntervalCount").toString().toInt());
}
