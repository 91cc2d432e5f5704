// The default art as shipped: generated once from the repository's art folder, then checked for
// what the program relies on: every pose at its size, and animation frames that really move.

#include "AssetGenerator.h"
#include "AssetTree.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class DefaultArt : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir->isValid());
        tree = std::make_unique<AssetTree>(dir->path().toStdString());
        error = AssetGenerator(ASSETGEN_TEST_ART_DIR, *tree).run();
    }
    static void TearDownTestSuite() {
        tree.reset();
        dir.reset();
    }
    static QImage picture(const std::string& path) {
        return QImage(dir->filePath(QString::fromStdString(path)));
    }
    static std::string folder(int n) {
        return std::string("Chars/") + (n < 10 ? "0" : "") + std::to_string(n) + "/";
    }
    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline std::unique_ptr<AssetTree> tree;
    static inline std::string error;
};

} // namespace

TEST_F(DefaultArt, EveryCharacterHasEveryPoseOnTheSixteenDotGridAndItsFramesMove) {
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
