// SPDX-License-Identifier: GPL-3.0-or-later
// The picture loader decodes a file once while pictures made from it live, and still gives each
// load a picture of its own; a file rewritten on disk is decoded anew; a name's bytes reach the
// disk as they are; pixel art is kept small and paints exactly as the file's pixels.
#include "platform/qt/common/QtPicture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const QtPicture& qt(const PictureHandle& picture) {
    return dynamic_cast<const QtPicture&>(*picture);
}

TEST(PictureLoader, SharesTheDecodedPixelsOfAFileButNotThePicture) {
    const fs::path folder = fs::temp_directory_path() / ("pipling-pictures-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string file = (folder / "dot.gif").string();
    const auto save = [&](int width, Qt::GlobalColor colour) {
        QImage image(width, 2, QImage::Format_RGB32);
        image.fill(colour);
        return image.save(QString::fromStdString(file), "GIF") ||
               image.save(QString::fromStdString(file), "PNG");
    };
    ASSERT_TRUE(save(3, Qt::red));

    QtPictureLoader loader;
    const PictureHandle first = loader.load(file);
    const PictureHandle second = loader.load(file);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get()); // the device tells pictures apart by identity
    EXPECT_EQ(qt(first).image.constBits(), qt(second).image.constBits());
    EXPECT_EQ(qt(first).image.pixel(0, 0), QColor(Qt::red).rgb());

    // Rewritten (another size, so the change shows even within the file system's time step).
    ASSERT_TRUE(save(4, Qt::blue));
    const PictureHandle third = loader.load(file);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->width(), 4);
    EXPECT_EQ(qt(third).image.pixel(0, 0), QColor(Qt::blue).rgb());
    EXPECT_EQ(qt(first).image.pixel(0, 0), QColor(Qt::red).rgb()); // what was shown stays
    fs::remove_all(folder);
}

TEST(PictureLoader, ReadsAFileWhoseFolderNameIsNotUtf8) {
    // A Latin-1 "Café" from an old archive: the byte 0xE9 alone is no UTF-8.
    const fs::path folder =
        fs::temp_directory_path() / ("pipling-pictures-" + std::to_string(::getpid())) / "Caf\xE9";
    fs::create_directories(folder);
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));
    std::ofstream(folder / "front.png", std::ios::binary).write(bytes.constData(), bytes.size());
    QtPictureLoader loader;
    // As the program names it: backslashes and another letter case.
    const PictureHandle picture = loader.load(folder.parent_path().string() + "\\CAF\xE9\\Front.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 5);
    EXPECT_EQ(qt(picture).image.pixel(0, 0), QColor(Qt::green).rgb());
    fs::remove_all(folder.parent_path());
}

// What a picture paints onto a clear surface: the pixels the toy's screen shows.
QImage painted(const QImage& picture) {
    QImage surface(picture.size(), QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::transparent);
    QPainter painter(&surface);
    painter.drawImage(0, 0, picture);
    painter.end();
    return surface;
}

TEST(PictureLoader, KeepsPixelArtAsIndexesThatPaintTheFilesOwnPixels) {
    const fs::path folder = fs::temp_directory_path() / ("pipling-pictures-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    QtPictureLoader loader;
    const auto load = [&](const QImage& image, const char* name) {
        const std::string file = (folder / name).string();
        EXPECT_TRUE(image.save(QString::fromStdString(file), "PNG"));
        PictureHandle picture = loader.load(file);
        EXPECT_TRUE(picture);
        return picture ? qt(picture).image : QImage();
    };
    // Three solid colours and clear pixels, as every picture of the toy: a byte a pixel.
    QImage art(7, 5, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    for (int x = 0; x < 7; ++x) {
        art.setPixel(x, 1, qRgb(0x1f, 0x28, 0x1f));
        art.setPixel(x, 3, x % 2 ? qRgb(0xc6, 0xd2, 0xb4) : qRgb(255, 0, 0));
    }
    const QImage small = load(art, "art.png");
    EXPECT_EQ(small.format(), QImage::Format_Indexed8);
    EXPECT_EQ(painted(small), art.convertToFormat(QImage::Format_ARGB32_Premultiplied));

    // Half-clear pixels, or more colours than an index holds, stay four bytes a pixel.
    QImage soft = art;
    soft.setPixel(0, 0, qRgba(10, 20, 30, 128));
    const QImage kept = load(soft, "soft.png");
    EXPECT_EQ(kept.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(painted(kept), soft.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    QImage many(300, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 300; ++x)
        many.setPixel(x, 0, qRgb(x % 256, x / 256, 7));
    const QImage colourful = load(many, "many.png");
    EXPECT_EQ(colourful.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(colourful, many.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    fs::remove_all(folder);
}

} // namespace
