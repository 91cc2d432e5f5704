// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader behind the label, skin and character files: line rules and number conversion.
#include "assets/DescriptionFile.h"
#include "platform/disk/DiskFiles.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::string describe(const std::optional<DescriptionLine>& line) {
    return line ? "[" + line->key + "]=[" + line->value + "]" : "none";
}

TEST(DescriptionLineTest, SplitsTrimsAndLowerCasesByTheSharedRules) {
    // clang-format off
    // Inner spaces of the key stay, the split is at the first "=" only, and tabs are not trimmed.
    const std::pair<const char*, const char*> cases[] = {
        {"Sound On=Sound On", "[sound on]=[Sound On]"}, {"a = b = c", "[a]=[b = c]"},
        {"\tkey = value\t", "[\tkey]=[value\t]"}, {"  HIDE  =  Go away ", "[hide]=[Go away]"},
        {"hide=", "[hide]=[]"}, {"pipscr.left=300", "[pipscr.left]=[300]"}, {"=5", "[]=[5]"},
        {"x;pipscr.left=300", "[x;pipscr.left]=[300]"}, {"KEY = MiXeD Case", "[key]=[MiXeD Case]"},
        {"; pipscr.left = 300", "none"}, {"   ;comment=1", "none"}, {"[Captions]", "none"}, {"", "none"},
        {"      ", "none"}, {"no equals sign here", "none"}};
    // clang-format on
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(describe(parseDescriptionLine(line)), expected) << "line: \"" << line << "\"";
}

TEST(DescriptionNumberTest, ReadsTheLeadingNumberAndRoundsHalvesToEven) {
    using Cases = std::vector<std::pair<const char*, int>>;
    const Cases plain = {
        {"300", 300}, {"300abc", 300}, {"abc", 0},   {"", 0},         {"+12", 12},
        {"007", 7},   {"-0", 0},       {"1.2.3", 1}, {"--5", 0},      {"1 2 3", 123},
        {"- 5", -5},  {"1 . 5", 2},    {"2e 1", 20}, {"\xff\x35", 0}, {"12\x01\x33\x34", 12}};
    const Cases rounded = {{"2.5", 2},       {"3.5", 4},    {"-2.5", -2}, {"-3.5", -4},
                           {"2.5000001", 3}, {"2.4999", 2}, {"0.5", 0},   {"1.5", 2},
                           {".7", 1},        {"-.7", -1},   {"0.05", 0},  {"0.51", 1}};
    const Cases exponents = {{"1e3", 1000}, {"1E3", 1000}, {"1.5e1", 15}, {"25e-1", 2},
                             {"35e-1", 4},  {"1d2", 100},  {"1e", 1},     {"1e+", 1}};
    // A digit of the base or above ends the number ("&O178", "&HFG").
    const Cases based = {{"&H1F", 31},  {"&h10", 16}, {"&O17", 15}, {"&o777", 511},
                         {"&O178", 15}, {"&HFG", 15}, {"&H", 0},    {"&X12", 0}};
    const Cases clamped = {{"32767", 32767},         {"-32768", -32768}, {"32767.5", 32767},
                           {"32768", 32767},         {"-32769", -32768}, {"99999999999", 32767},
                           {"-1e300", -32768},       {"1e-300", 0},      {"1e99999999999999999999", 32767},
                           {"&HFFFFFFFFFFFF", 32767}};
    for (const Cases* group : {&plain, &rounded, &exponents, &based, &clamped})
        for (const auto& [text, expected] : *group)
            EXPECT_EQ(descriptionNumber(text), expected) << "value: \"" << text << "\"";
}

TEST(DescriptionNumberTest, VeryLongNumbersClampOrRoundExactly) {
    EXPECT_EQ(descriptionNumber(std::string(1 << 20, '9')), 32767);
    EXPECT_EQ(descriptionNumber("-" + std::string(1 << 20, '9')), -32768);
    // A half followed by a non-zero digit far past any kept precision is more than a half.
    EXPECT_EQ(descriptionNumber("2.5" + std::string(200, '0') + "1"), 3);
    EXPECT_EQ(descriptionNumber("2.5" + std::string(200, '0')), 2);
    EXPECT_EQ(descriptionNumber("0." + std::string(100000, '0') + "9"), 0);
    EXPECT_EQ(descriptionNumber(std::string(100000, '0') + "42"), 42);
}

class DescriptionFileTest : public ::testing::Test {
protected:
    TestTree tree{false};
    DiskFiles files;

    std::vector<DescriptionLine> read(const std::string& content) {
        tree.text("file.ini", content);
        auto lines = readDescriptionFile(files, (tree.root() / "file.ini").string());
        EXPECT_TRUE(lines);
        return lines.value_or(std::vector<DescriptionLine>{});
    }
};

TEST_F(DescriptionFileTest, EveryLineEndingEndsALine) {
    const auto lines = read("a=1\r\nb=2\rc=3\nd=4"); // CR LF, lone CR, LF, and no end at the end
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].key, "b");
    EXPECT_EQ(lines[2].value, "3");
    EXPECT_EQ(lines[3].value, "4");
}

TEST_F(DescriptionFileTest, GarbageNeverCrashesAndOnlyWellFormedLinesCount) {
    std::mt19937 generator(7);
    std::string noise(256 * 1024, '\0');
    for (char& c : noise)
        c = static_cast<char>(generator() & 0xFF);
    const std::string huge(1 << 20, 'x');
    const auto lines =
        read(noise + "\nkey=" + huge + "\n" + huge + "\n" + std::string(1 << 20, '=') + "\nlast=1");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().key, "last");
    for (const DescriptionLine& line : lines) {
        EXPECT_EQ(line.key.find_first_of("\r\n"), std::string::npos);
        EXPECT_FALSE(!line.key.empty() && line.key.front() == ' ');
        EXPECT_LE(line.key.size() + line.value.size(), 3u * (1u << 20));
    }
}

} // namespace
