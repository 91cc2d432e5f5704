// The digits, bars and hearts on the health meter's pages at the edges of their ranges. (Paging
// with A, B and C is driven by care_status_pages.sim.)
#include "tests/device/CareDevice.h"

namespace {

class StatusPages : public CareDevice {
protected:
    int shownMeter() {
        int shown = -1;
        for (std::size_t i = 0; i < el().Meter.size(); ++i) {
            if (el().Meter[i].visible) {
                EXPECT_EQ(shown, -1) << "two backgrounds at once";
                shown = static_cast<int>(i);
            }
        }
        return shown;
    }
    template <std::size_t N> static int countShown(const std::array<Element, N>& marks) {
        int count = 0;
        for (std::size_t i = 0; i < N; ++i) {
            if (marks[i].visible) {
                EXPECT_EQ(count, static_cast<int>(i)) << "marks fill from the first";
                ++count;
            }
        }
        return count;
    }
    std::string digits(const std::array<Element, 2>& pair) {
        std::string text;
        for (const Element& digit : pair)
            text += digit.visible ? nameOf(digit).substr(11, 1) : "_";
        return text;
    }
};

TEST_F(StatusPages, TheFirstPageShowsNoLeadingZero) {
    struct Case {
        int16_t age, weight;
        const char *ageShown, *weightShown;
    };
    // Two digit places cannot show 100: the weight a snack can reach shows as the most they can.
    for (const Case& c : {Case{0, 5, "_0", "_5"}, Case{7, 10, "_7", "10"}, Case{12, 99, "12", "99"},
                          Case{99, 100, "99", "99"}}) {
        SCOPED_TRACE(testing::Message() << c.age << " " << c.weight);
        pet().Age = c.age;
        pet().Weight = c.weight;
        f().DoHideIcon();
        open(5);
        EXPECT_EQ(digits(el().AgeDigit), c.ageShown);
        EXPECT_EQ(digits(el().WeightDigit), c.weightShown);
        sim.run("press C");
    }
}

// Each look opens on the first page again, or the bar count after one B would be wrong.
TEST_F(StatusPages, TheGaugeAndHeartsFollowTheRecord) {
    for (int16_t value : {0, 1, 4, 13, 14}) {
        SCOPED_TRACE(value);
        pet().Discipline = value;
        pet().Hunger = static_cast<int16_t>(std::min<int>(value, 4));
        pet().Happiness = static_cast<int16_t>(4 - std::min<int>(value, 4));
        f().DoHideIcon();
        open(5);
        sim.run("press B");
        EXPECT_EQ(countShown(el().SmallBar), value);
        sim.run("press B");
        EXPECT_EQ(countShown(el().Heart), std::min<int>(value, 4));
        sim.run("press B");
        EXPECT_EQ(countShown(el().Heart), 4 - std::min<int>(value, 4));
        sim.run("press C");
    }
}

} // namespace
