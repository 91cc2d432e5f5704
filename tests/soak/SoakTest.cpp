// SPDX-License-Identifier: GPL-3.0-or-later
// A random player lives a pet through the headless device and checks after every step that the
// stored fields stay loadable, the screen agrees with the state and restarts lose nothing.
#include "tests/soak/SoakPlayer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

namespace {

constexpr double PetDay = 24 * 10 * 60; // seconds: 24 pet hours of 10 minutes

void live(unsigned seed, double petDays) {
    SoakPlayer player(seed);
    const auto begin = std::chrono::steady_clock::now();
    const auto failure = player.play(petDays * PetDay);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - begin;
    ASSERT_FALSE(failure) << *failure;
    std::cout << "seed " << seed << ": " << player.livedSeconds / PetDay << " pet days in " << player.steps
              << " steps and " << player.restarts << " restarts, "
              << player.livedSeconds / PetDay / wall.count() << " pet days a second\n";
    // A player that never got the toy going or never restarted it has tested little.
    EXPECT_GT(player.steps, 100);
    EXPECT_GT(player.restarts, 0);
}

TEST(Soak, HalfAPetDayOfRandomPlay) {
    live(1, 0.5);
}

// A week for each seed: seconds each, so ctest runs them with the whole lives ("long").
class SoakWeek : public testing::TestWithParam<unsigned> {};

TEST_P(SoakWeek, SevenPetDays) {
    live(GetParam(), 7);
}

INSTANTIATE_TEST_SUITE_P(Week, SoakWeek, testing::Values(11u, 23u, 37u, 59u));

} // namespace
