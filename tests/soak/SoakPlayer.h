// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/Sim.h"

#include <QJsonObject>

#include <deque>
#include <optional>
#include <random>
#include <string>

// A seeded random player that lives one pet through the headless device: buttons, keys, every
// menu item, drags, turns, the sheet, the secondary windows, restarts from the store and long
// waits. After every step it checks what must always hold; the first broken rule ends the play
// with the seed, the step and the last actions, so that the run can be replayed.
class SoakPlayer {
public:
    SoakPlayer(unsigned seed, const std::string& appDir = PIPLING_BIN_DIR)
        : seed(seed), sim(appDir), random(seed) {}

    // Plays until the running toy has lived `seconds` of virtual time; the failure, if any.
    std::optional<std::string> play(double seconds);

    double livedSeconds = 0; // virtual time passed while the main timer ran
    int steps = 0;
    int restarts = 0;

private:
    // One random action as script lines; the player's own waits are among them.
    std::string nextAction(const QJsonObject& state);
    QJsonObject dump() { return sim.tryRun("dump") ? QJsonObject{} : sim.last(); }
    // The rules that hold after every step; the first broken one.
    std::optional<std::string> check(const QJsonObject& state);
    // Ends the program (closed or killed) and starts it again on the same store; the reloaded
    // fields must be those stored.
    std::optional<std::string> restart(bool kill);
    std::optional<std::string> start();
    std::string failure(const std::string& what) const;

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    unsigned seed;
    Sim sim;
    std::mt19937 random;
    std::deque<std::string> history; // the last actions, newest last
};
