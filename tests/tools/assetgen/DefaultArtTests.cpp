// The default art as shipped: generated once from the repository's art folder,
// then checked for what the program relies on (every file it loads, pictures
// that fit where they are placed, animation frames that really move) and for
// sounds that suit how often the program restarts them.

#include "AssetGenerator.h"
#include "AssetTree.h"
#include "PoseMaker.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr int DotPixels = 3;

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
    // Milliseconds of a 16-bit mono wave file, and its first and last samples.
    struct Wave {
        double ms = 0;
        int first = 0, last = 0;
    };
    static Wave wave(const std::string& name) {
        QFile file(dir->filePath(QString::fromStdString("sounds/" + name + ".wav")));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = file.readAll();
        auto u32 = [&](int at) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
                   static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
                   static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
                   static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
        };
        auto s16 = [&](int at) {
            return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                             static_cast<unsigned char>(bytes[at + 1]) << 8);
        };
        const int data = bytes.indexOf("data");
        const int count = static_cast<int>(u32(data + 4) / 2);
        if (count == 0) return {};
        return {1000.0 * count / u32(24), s16(data + 8), s16(data + 8 + 2 * (count - 1))};
    }
    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline std::unique_ptr<AssetTree> tree;
    static inline std::string error;
};

double meanLightness(const QImage& image) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 127) {
                sum += QColor(image.pixel(x, y)).lightnessF();
                ++count;
            }
    return count ? sum / count : 0;
}

// The top-most and bottom-most rows of opaque pixels.
std::pair<int, int> opaqueRows(const QImage& image) {
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 127) top = std::min(top, y), bottom = std::max(bottom, y);
    return {top, bottom};
}

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
