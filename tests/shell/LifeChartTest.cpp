// SPDX-License-Identifier: GPL-3.0-or-later
// The two whole lives leave journals that hold every kind of event, and charts whose bands and
// marks are those of the life lived; the pet that died is in the hall of past pets.
#include "shell/LifeChart.h"
#include "platform/qt/common/LifeChartPainter.h"
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Lived {
    std::vector<JournalEntry> entries; // the life that died
    LifeChart chart;
    std::vector<PastPet> hall;
    std::size_t bytes = 0;
};

Lived live(const fs::path& script) {
    Sim sim;
    sim.run(fileText(script));
    JournalStore& store = *sim.form().journal.journalStore();
    Lived lived;
    for (const auto& lines : store.lives()) {
        auto entries = LifeChart::entries(lines);
        for (const auto& e : entries)
            if (e.event == JournalEvent::Death) lived.entries = entries;
    }
    lived.chart = LifeChart::build(lived.entries);
    lived.hall = PastPet::hall(store.lives());
    for (const auto& e : fs::directory_iterator(fs::path(sim.storeFile() + ".journal")))
        lived.bytes = std::max<std::size_t>(lived.bytes, fs::file_size(e.path()));
    // The chart is drawn at the size asked for, in the toy's colours.
    const QImage picture = LifeChartPainter::chart(lived.chart, LifeChartPainter::Look::of(sim.form()), 2);
    EXPECT_EQ(picture.size(), QSize(2 * LifeChartPainter::Width, 2 * LifeChartPainter::Height));
    return lived;
}

class WholeLife : public testing::TestWithParam<fs::path> {};

TEST_P(WholeLife, TheChartShowsTheLifeTheJournalRecorded) {
    const Lived lived = live(GetParam());
    ASSERT_FALSE(lived.entries.empty()) << "the life ended in death";
    EXPECT_LT(lived.bytes, 300u * 1024) << "a whole life stays a few hundred KB";
    std::cout << GetParam().filename() << ": " << lived.entries.size() << " lines, " << lived.bytes
              << " bytes\n";

    // The bands: the characters in the order the journal entered them, end to end over the life.
    std::vector<int16_t> entered;
    for (const auto& e : lived.entries)
        if (e.event == JournalEvent::Egg || e.event == JournalEvent::Hatch ||
            e.event == JournalEvent::Character || e.event == JournalEvent::Angel)
            entered.push_back(e.character);
    const auto& bands = lived.chart.bands;
    ASSERT_EQ(bands.size(), entered.size());
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].character, entered[i]);
        if (i + 1 < bands.size()) {
            EXPECT_EQ(bands[i].to, bands[i + 1].from);
        }
        EXPECT_LE(bands[i].from, bands[i].to);
    }
    EXPECT_EQ(bands.front().character, character::Egg);
    EXPECT_EQ(bands.front().from, 0);
    EXPECT_EQ(bands.back().character, character::Angel);
    EXPECT_EQ(bands.back().to, lived.chart.end);
    // Egg 1 minute, baby 21, child 490: the stages add up on the life's axis.
    ASSERT_GE(bands.size(), 4u);
    EXPECT_EQ(bands[2].from, 1 + 21);
    EXPECT_EQ(bands[3].from, 1 + 21 + 490);

    // The marks: one per call, each answered or missed as the journal says.
    int calls = 0, answered = 0, missed = 0;
    for (const auto& e : lived.entries) {
        calls += e.event == JournalEvent::Call;
        answered += e.event == JournalEvent::Answered;
        missed += e.event == JournalEvent::Missed;
    }
    EXPECT_EQ(static_cast<int>(lived.chart.calls.size()), calls);
    EXPECT_EQ(lived.chart.answered(), answered);
    EXPECT_EQ(lived.chart.missed(), missed);
    EXPECT_GT(calls, 0);

    // The hall holds the pet with its characters and its death.
    ASSERT_FALSE(lived.hall.empty());
    const PastPet& pet = lived.hall.front();
    EXPECT_EQ(pet.name, "Pipling");
    EXPECT_EQ(pet.cause, lived.chart.cause);
    EXPECT_EQ(pet.age, lived.chart.age);
    EXPECT_LT(pet.bornMs, pet.diedMs);
    std::vector<int16_t> lives(entered.begin() + 1, entered.end() - 1);
    EXPECT_EQ(pet.characters, lives);
}

// Whole lives take seconds each: the "Lives" prefix puts them with the long tests.
INSTANTIATE_TEST_SUITE_P(Lives, WholeLife, testing::ValuesIn(scriptFiles("lives")), scriptTestName);

TEST(LivesJournal, TheTwoLivesTogetherRecordEveryKindOfEvent) {
    // The good-care life answers, feeds, snacks, plays (and loses once) and cures; the neglected
    // one misses and falls ill.
    std::set<JournalEvent> seen;
    std::set<DeathCause> causes;
    for (const auto& script : scriptFiles("lives")) {
        const Lived lived = live(script);
        for (const auto& e : lived.entries) {
            seen.insert(e.event);
            if (e.event == JournalEvent::Death) causes.insert(e.cause);
        }
        EXPECT_GT(lived.chart.lines[LifeChart::Weight].points.size(), 2u);
    }
    for (int kind = 0; kind < JournalEventCount; ++kind) {
        const auto event = static_cast<JournalEvent>(kind);
        // Begin is only for a pet older than its journal.
        if (event == JournalEvent::Begin) continue;
        EXPECT_TRUE(seen.count(event)) << "no " << eventName(event) << " in either life";
    }
    // Both reach the end of their adult stage before their neglect clock runs out.
    EXPECT_EQ(causes, (std::set<DeathCause>{DeathCause::OldAge}));
}

} // namespace

namespace {

TEST(LifeJournalRestart, APetThatDiesAgainAfterAKillKeepsItsPlaceOnTheAxis) {
    // Neglect kills the child at its first minute; the store is saved while it is dying, and the
    // program is killed after it became the angel. The next start lets it die once more.
    Sim sim;
    sim.run("store InsulatingSheet 0\nstore CharacterNo 2\nstart\nwait 5\nset DyingTimeLeft 0\nwait 160");
    ASSERT_EQ(sim.form().pet.CharacterNo, character::Angel);
    sim.reopen();
    sim.run("start\nwait 100");
    ASSERT_EQ(sim.form().pet.CharacterNo, character::Angel);

    std::vector<int32_t> angels;
    std::vector<DeathCause> causes;
    for (const auto& e : LifeChart::entries(sim.form().journal.journalStore()->lines())) {
        if (e.event == JournalEvent::Angel) angels.push_back(e.life);
        if (e.event == JournalEvent::Death) causes.push_back(e.cause);
    }
    ASSERT_EQ(angels.size(), 2u);
    EXPECT_EQ(angels[0], angels[1]) << "the second death is at the same place of the life";
    EXPECT_EQ(causes, std::vector<DeathCause>{DeathCause::Neglect});
}

} // namespace
