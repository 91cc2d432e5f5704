// SPDX-License-Identifier: GPL-3.0-or-later
// What pipling-sim prints is JSON a reader accepts, whatever bytes the script put into a name.
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

TEST(SimJson, NamesInAnyEncodingPrintAsValidJson) {
    const std::string wellFormed = "\xC3\x9Cn\xC3\xAF \xF0\x9F\x90\xA3 \"q\" \\ end";
    // Latin-1, a lone continuation byte, a cut sequence, an overlong slash and a surrogate.
    const std::vector<std::pair<std::string, std::string>> broken = {
        {"Caf\xE9", "Caf\xEF\xBF\xBD"},
        {"a\x80z", "a\xEF\xBF\xBDz"},
        {"x\xE2\x82", "x\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xED\xA0\x80!", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD!"},
    };
    Sim sim;
    sim.run("name " + wellFormed + "\nstart");
    sim.run("get PiplingName");
    EXPECT_EQ(sim.last()["PiplingName"].toString().toStdString(), wellFormed);
    for (const auto& [name, shown] : broken) {
        Sim other;
        other.run("name " + name + "\nstart\nget PiplingName");
        EXPECT_EQ(other.last()["PiplingName"].toString().toStdString(), shown) << name;
    }
}

} // namespace
