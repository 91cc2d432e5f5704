// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every script in tests/scenarios through the headless device. A comment line
//   #> {"member": value, ...}
// asserts that the last JSON object printed holds these members (objects compared member by
// member, picture paths without regard to case, everything else exactly); after a command that
// printed nothing it is held to a fresh dump, so a script need not write "dump" before every
// expectation. "#app tests/tree" as the first line runs the script on the small test asset tree
// instead of the generated default one.
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

bool contains(const QJsonValue& actual, const QJsonValue& expected, std::string& where) {
    if (expected.isObject()) {
        if (!actual.isObject()) {
            where += " (not an object)";
            return false;
        }
        const QJsonObject a = actual.toObject();
        const QJsonObject e = expected.toObject();
        for (auto it = e.begin(); it != e.end(); ++it) {
            std::string path = where + "." + it.key().toStdString();
            if (!a.contains(it.key())) {
                where = path + " (missing)";
                return false;
            }
            // Picture paths are compared as the script language says, without regard to case.
            const bool paths = it.key() == "picture" && it.value().isString() && a.value(it.key()).isString();
            if (paths ? a.value(it.key()).toString().compare(it.value().toString(), Qt::CaseInsensitive) != 0
                      : !contains(a.value(it.key()), it.value(), path)) {
                where = path;
                return false;
            }
        }
        return true;
    }
    return actual == expected;
}

class Scenario : public testing::TestWithParam<fs::path> {};

TEST_P(Scenario, HoldsItsExpectations) {
    std::ifstream in(GetParam());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::unique_ptr<TestTree> tree;
    const std::string appDir = scriptAppDir(GetParam(), tree);
    Sim sim(appDir);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind("#>", 0) == 0) {
            if (sim.quiet()) sim.run("dump");
            QJsonParseError error;
            auto expected = QJsonDocument::fromJson(QByteArray::fromStdString(line.substr(2)), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError) << "line " << i + 1 << ": bad expectation";
            std::string where;
            EXPECT_TRUE(contains(sim.last(), expected.object(), where))
                << GetParam().filename() << " line " << i + 1 << ": " << where << "\n  expected "
                << line.substr(2) << "\n  got "
                << QJsonDocument(sim.last()).toJson(QJsonDocument::Compact).toStdString().substr(0, 1500);
            continue;
        }
        auto error = sim.tryRun(line);
        ASSERT_FALSE(error) << GetParam().filename() << " line " << i + 1 << ": " << *error;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, Scenario, testing::ValuesIn(scriptFiles("scenarios")), scriptTestName);

// Whole pet lives, fast-forwarded: each takes a few seconds, so ctest runs them on their own.
INSTANTIATE_TEST_SUITE_P(Lives, Scenario, testing::ValuesIn(scriptFiles("lives")), scriptTestName);

} // namespace
