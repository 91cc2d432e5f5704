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
        e.TempSick = {picture("sick0", 20), picture("sick1", 21)};
        e.TempSleep = {picture("sleep0", 22), picture("sleep1", 23)};
        e.TempSleepSign = {picture("sign0", 8), picture("sign1", 9)};
        e.TempDropping = {picture("stool0", 24), picture("stool1", 25)};
        e.TempDark = {picture("dark0", 60), picture("dark1", 61), picture("dark2", 62)};
    }

    Form1& form() { return sim.form(); }
    PetState& pet() { return sim.form().pet; }

    static PictureHandle picture(const char* name, int width) {
        return std::make_shared<Picture>(name, width, 10);
    }

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
