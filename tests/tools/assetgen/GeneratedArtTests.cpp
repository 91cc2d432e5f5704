// SPDX-License-Identifier: GPL-3.0-or-later
// The default art, the skins and the plug-in as generated once from the repository's art folder:
// every pose at its size, animation frames that really move, and every file the program looks for
// at the sizes that line up with the toy's window.

#include "AssetGenerator.h"
#include "AssetTree.h"
#include "LayoutFile.h"
#include "LcdPainter.h"
#include "PixelFont.h"
#include "ScreenArt.h"
#include "TextUtil.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <memory>
#include <string>

namespace {

const std::string Plugin = "plugins/Winter/";

class GeneratedArt : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<QTemporaryDir>();
        AssetTree tree(dir->path().toStdString());
        error = AssetGenerator(ASSETGEN_TEST_ART_DIR, tree).run();
    }
    static void TearDownTestSuite() { dir.reset(); }
    static QImage picture(const std::string& path) {
        return QImage(dir->filePath(QString::fromStdString(path)));
    }
    static std::string folder(int n) {
        return std::string("Chars/") + (n < 10 ? "0" : "") + std::to_string(n) + "/";
    }
    // A description file as the program reads it: trimmed lines, ";" notes, the key lower-cased.
    static std::map<std::string, std::string> description(const std::string& path) {
        std::string text;
        std::map<std::string, std::string> keys;
        if (!textutil::readFile(dir->filePath(QString::fromStdString(path)).toStdString(), text)) return keys;
        for (const std::string& raw : textutil::splitLines(text)) {
            const std::string line = textutil::trim(raw);
            const auto eq = line.find('=');
            if (line.empty() || line[0] == ';' || eq == std::string::npos) continue;
            keys[textutil::lower(textutil::trim(line.substr(0, eq)))] = textutil::trim(line.substr(eq + 1));
        }
        return keys;
    }
    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline std::string error;
};

} // namespace

TEST_F(GeneratedArt, EveryCharacterHasEveryPoseOnTheSixteenDotGridAndItsFramesMove) {
    ASSERT_EQ(error, "");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(picture(folder(0) + std::to_string(i) + ".gif").size(), QSize(48, 48)) << "egg " << i;
    // Each pair alternates on the screen; identical pictures would look frozen.
    const char* const pairs[][2] = {{"0", "1"},           {"2", "3"},           {"eat0", "eat1"},
                                    {"no0", "no1"},       {"sick0", "sick1"},   {"happy0", "happy1"},
                                    {"sleep0", "sleep1"}, {"stool0", "stool1"}, {"play0", "play1"},
                                    {"play2", "play3"},   {"unhp0", "unhp1"},   {"unhp1", "unhp2"}};
    for (int n = 1; n <= 12; ++n)
        for (const auto& pair : pairs) {
            const QImage a = picture(folder(n) + pair[0] + ".gif"), b = picture(folder(n) + pair[1] + ".gif");
            EXPECT_EQ(a.size(), QSize(48, 48)) << folder(n) << pair[0];
            EXPECT_EQ(b.size(), QSize(48, 48)) << folder(n) << pair[1];
            EXPECT_NE(a.convertToFormat(QImage::Format_ARGB32), b.convertToFormat(QImage::Format_ARGB32))
                << folder(n) << pair[0] << " and " << pair[1] << " are the same picture";
        }
}

TEST_F(GeneratedArt, PluginBringsItsFilesAtTheProgramsPlacesAndSizes) {
    ASSERT_EQ(error, "");
    const auto keys = description(Plugin + "plugin.ini");
    EXPECT_EQ(keys.count("name") ? keys.at("name") : "", "Winter Wonderland");
    EXPECT_TRUE(keys.count("description"));
    ASSERT_TRUE(keys.count("defaultskin"));
    EXPECT_TRUE(
        QFileInfo(dir->filePath(QString::fromStdString("skins/" + keys.at("defaultskin") + "/skin.ini")))
            .exists());
    EXPECT_EQ(keys.count("rolloo") ? keys.at("rolloo") : "", "Snowball");

    // Its own pictures replace the program's, so each must have the size of the one it replaces.
    for (const char* file :
         {"other/about.gif", "other/inssheet.gif", "other/feedmenu.gif", "other/meal0.gif",
          "other/snack3.gif", "other/stars1.gif", "instruct/page01.gif", "instruct/page02.gif"}) {
        const QImage own = picture(Plugin + file);
        ASSERT_FALSE(own.isNull()) << file;
        EXPECT_EQ(own.size(), picture(file).size()) << file;
    }
    EXPECT_FALSE(QFileInfo(dir->filePath(QString::fromStdString(Plugin + "instruct/page03.gif"))).exists());
    EXPECT_NE(picture(Plugin + "other/about.gif"), picture("other/about.gif"));

    // Some pets are dressed, with every pose and tray frame; the rest come from the program.
    const char* const poses[] = {"0",     "1",     "2",      "3",      "no0",    "no1",    "eat0",   "eat1",
                                 "sick0", "sick1", "happy0", "happy1", "sleep0", "sleep1", "stool0", "stool1",
                                 "unhp0", "unhp1", "unhp2",  "play0",  "play1",  "play2",  "play3"};
    int dressed = 0;
    for (int n = 0; n <= 12; ++n) {
        const std::string pet = folder(n);
        if (!QFileInfo(dir->filePath(QString::fromStdString(Plugin + pet))).exists()) continue;
        ++dressed;
        for (const char* pose : poses) {
            const QImage own = picture(Plugin + pet + pose + ".gif");
            EXPECT_EQ(own.size(), QSize(48, 48)) << pet << pose;
            EXPECT_NE(own.convertToFormat(QImage::Format_ARGB32),
                      picture(pet + pose + ".gif").convertToFormat(QImage::Format_ARGB32))
                << pet << pose << " is not dressed";
        }
        for (int i = 0; i < 8; ++i)
            EXPECT_FALSE(picture(Plugin + pet + std::to_string(i) + ".ico").isNull()) << pet << i;
    }
    EXPECT_GE(dressed, 2);
    EXPECT_LT(dressed, 13);
}

// The feed menu's two pictures, the program's and the plug-in's, stand inside the screen and a dot
// clear of their words, and every skin's frame leaves them wholly in view.
TEST_F(GeneratedArt, FeedMenuPicturesSitInsideTheScreenClearOfTheirWordsInEverySkin) {
    ASSERT_EQ(error, "");
    std::string problem;
    PixelFont font;
    LayoutFile layout;
    ASSERT_TRUE(font.load(std::string(ASSETGEN_TEST_ART_DIR) + "/fonts/small.txt", problem)) << problem;
    ASSERT_TRUE(layout.load(std::string(ASSETGEN_TEST_ART_DIR) + "/layout.txt", problem)) << problem;
    const QRect screen(0, 0, ScreenArt::ScreenDotsWide, ScreenArt::ScreenDotsHigh);
    const QPoint menuAt = layout.pixels("feedmenu");
    const QStringList skins = QDir(dir->filePath("skins")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(skins.isEmpty());

    for (const char* book : {"/screen/things.txt", "/plugins/Winter/pictures.txt"}) {
        ArtBook art;
        ASSERT_TRUE(art.load(std::string(ASSETGEN_TEST_ART_DIR) + book, problem)) << problem;
        const auto parts = ScreenArt::feedMenuParts(font, art.grid("menu-meal"), art.grid("menu-snack"));
        for (const QRect& picture : {parts.meal, parts.snack}) {
            EXPECT_TRUE(screen.adjusted(1, 0, -1, 0).contains(picture))
                << book << ": a picture touches the edge";
            for (const QRect& word : {parts.mealWord, parts.snackWord})
                EXPECT_FALSE(word.adjusted(-1, 0, 1, 0).intersects(picture))
                    << book << ": a picture meets a word";
        }
        for (const QString& skin : skins) {
            // The face lies one pixel below the window's top; its opening must be clear over
            // every pixel of both pictures.
            const QImage front =
                picture("skins/" + skin.toStdString() + "/front.gif").convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(front.isNull()) << skin.toStdString();
            for (const QRect& dots : {parts.meal, parts.snack}) {
                const QRect pixels(menuAt + dots.topLeft() * LcdPainter::DotSize,
                                   dots.size() * LcdPainter::DotSize);
                int covered = 0;
                for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                    for (int x = pixels.left(); x <= pixels.right(); ++x)
                        if (qAlpha(front.pixel(x, y - 1)) != 0) ++covered;
                EXPECT_EQ(covered, 0)
                    << book << " in " << skin.toStdString() << ": the frame hides part of a picture";
            }
        }
    }
}

// The desktop icons: every pixel size, and the scalable drawing showing the same pet, dot for dot,
// as the 16-pixel icon (one pixel per dot there), as a well-formed SVG document.
TEST(DesktopIcons, EverySizeAndTheScalableDrawingShowTheSamePet) {
    QTemporaryDir dir;
    AssetTree tree(dir.path().toStdString());
    ASSERT_EQ(AssetGenerator(ASSETGEN_TEST_ART_DIR, tree).icons(), "");
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string n = std::to_string(size);
        const QImage icon(
            dir.filePath(QString::fromStdString("hicolor/" + n + "x" + n + "/apps/pipling-simulator.png")));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    QFile file(dir.filePath("hicolor/scalable/apps/pipling-simulator.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    std::map<QRgb, int> cores; // the dots' squares (2 units of the 3-unit dot), by colour
    QString viewBox;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = svg.attributes();
        if (svg.name() == u"svg") viewBox = a.value("viewBox").toString();
        if (svg.name() == u"rect" && a.value("width") == u"2" && a.value("height") == u"2")
            ++cores[QColor(a.value("fill").toString()).rgb()];
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(viewBox, "0 0 64 64");
    int dots = 0;
    for (const auto& [colour, count] : cores)
        dots += count;
    EXPECT_EQ(dots, 16 * 16);
    ASSERT_EQ(cores.size(), 2u) << "lit and unlit dots";
    const QRgb ink = qGray(cores.begin()->first) < qGray(std::next(cores.begin())->first)
                         ? cores.begin()->first
                         : std::next(cores.begin())->first;
    const QImage small(dir.filePath("hicolor/16x16/apps/pipling-simulator.png"));
    int inked = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            inked += (small.pixel(x, y) | 0xff000000u) == ink && qAlpha(small.pixel(x, y)) == 255;
    EXPECT_GT(inked, 20);
    EXPECT_EQ(cores[ink], inked);
}
