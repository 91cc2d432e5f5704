// SPDX-License-Identifier: GPL-3.0-or-later
// The script language's own rules: errors name their line and stop the script with status 2,
// queued chance values come first, and time moves only in periods.
#include "pet/StoredValue.h"
#include "platform/qt/common/QtPicture.h"
#include "tests/Sim.h"

#include <QImage>

#include <gtest/gtest.h>

#include <clocale>
#include <fstream>

namespace {

int runScript(const std::string& script, std::string& output) {
    Sim sim(Sim::noAssets());
    std::ostringstream out;
    ScriptRunner runner(Sim::noAssets(), sim.storeFile(), out);
    std::istringstream in(script);
    int status = runner.run(in);
    output = out.str();
    return status;
}

TEST(SimLanguage, ErrorsNameTheLineAndEndWithStatusTwo) {
    const std::pair<const char*, int> bad[] = {{"start\n\n# comment\nfly away\nstart\n", 4},
                                               {"rnd 0.2 1.0\n", 1},
                                               {"start\nget NoSuchField\n", 2},
                                               {"start\nset Hunger lots\n", 2},
                                               {"start\nset Hunger 70000\n", 2},
                                               {"clock 25:00:00\n", 1},
                                               {"tick -3\n", 1},
                                               {"dump\n", 1},
                                               {"start\nmenu mNoSuchItem\n", 2},
                                               {"start\npress D\n", 2},
                                               {"start\nkey 13 sideways\n", 2},
                                               {"start\nstart\n", 2},
                                               {"start\nrender /nonexistent/dir/x.png\n", 2},
                                               {"start\nmouse Nowhere down 1 0 0\n", 2}};
    for (const auto& [script, line] : bad) {
        std::string output;
        EXPECT_EQ(runScript(script, output), 2) << script;
        EXPECT_NE(output.find("\"line\": " + std::to_string(line) + "}"), std::string::npos)
            << script << output;
    }
    std::string output;
    EXPECT_EQ(runScript("start\ntick 3\nquit\n", output), 0) << output;
}

// The formats the asset tree uses decode with what the program needs of them.
TEST(PictureLoader, DecodesGifWithTransparencyIconsAndCursors) {
    const std::string bin = PIPLING_BIN_DIR;
    if (!std::filesystem::exists(bin + "/default.ini"))
        GTEST_SKIP() << "the default asset tree was not generated in this build";
    QtPictureLoader loader;
    auto front = std::dynamic_pointer_cast<const QtPicture>(loader.load(bin + "\\skins\\Default\\front.gif"));
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(qAlpha(front->image.pixel(0, 0)), 0) << "the corner outside the shell is see-through";
    EXPECT_EQ(qAlpha(front->image.pixel(front->width() / 2, front->height() - 20)), 255);
    auto icon = loader.load(bin + "\\skins\\Default\\skin.ico");
    ASSERT_NE(icon, nullptr);
    EXPECT_GE(icon->width(), 16);
    auto pointer = loader.load(bin + "\\other\\point.cur");
    ASSERT_NE(pointer, nullptr);
    EXPECT_GT(pointer->width(), 0);
}

// Numbers in stored values, scripts and the printed state read and write the same wherever the
// decimal separator is a comma (the desktop adopts the user's locale).
TEST(SimLanguage, NumbersDoNotDependOnTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    std::string output;
    const int status = runScript("rnd 0.5\nstart\nset DragX 2.5\nget DragX\n", output);
    EXPECT_EQ(StoredValue::toSingle("1.5", 0, 10), 1.5);
    EXPECT_FALSE(StoredValue::toSingle("1,5", 0, 10));
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("\"DragX\": 2.5"), std::string::npos) << output;
}

} // namespace
