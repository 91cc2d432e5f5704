#pragma once

#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

// A started device whose minute step is driven by hand: the test sets the minute, queues the
// random draws the rules should take, and runs DoMinuteNeeds.
class NeedsFixture : public testing::Test {
protected:
    void SetUp() override {
        sim.run("store InsulatingSheet 0\nstart");
        auto& e = form().elements;
        // Named pictures of distinct widths, so that tests can tell which one an element shows.
        e.TempSick = {namedPicture("sick0", 20), namedPicture("sick1", 21)};
        e.TempSleep = {namedPicture("sleep0", 22), namedPicture("sleep1", 23)};
        e.TempSleepSign = {namedPicture("sign0", 8), namedPicture("sign1", 9)};
        e.TempDropping = {namedPicture("stool0", 24), namedPicture("stool1", 25)};
        e.TempDark = {namedPicture("dark0", 60), namedPicture("dark1", 61), namedPicture("dark2", 62)};
    }

    Form1& form() { return sim.form(); }
    PetState& pet() { return sim.form().pet; }

    // Enters a stage as the program does, then puts the pet in a plain awake state with a known
    // life length for the adults.
    void become(int16_t characterNo, int16_t maxMinutes = 240) {
        pet().MaxMinutes = maxMinutes;
        form().DoSetCharacter(characterNo);
    }

    void draws(std::initializer_list<double> values) {
        for (double value : values)
            sim.script().chance.queue(value);
    }

    void minute(int32_t m) {
        pet().MinuteCount = m;
        form().DoMinuteNeeds();
    }

    // The step took every queued draw and not one more.
    void expectAllDrawsTaken() {
        constexpr double Marker = 0.4242;
        sim.script().chance.queue(Marker);
        EXPECT_EQ(form().platform.chance.next(), Marker)
            << "a queued draw was left or an extra one was taken";
    }

    Sim sim;
};
