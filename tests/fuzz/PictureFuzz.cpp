// SPDX-License-Identifier: GPL-3.0-or-later
// Picture loading as the device does it: the program's own size checks and cursor hot spot, and
// Qt's GIF and ICO decoders behind them. The input is the file; its first bytes choose the name it
// is saved under, as a skin author's file would be named by what it holds.
#include "platform/qt/common/QtPicture.h"
#include "tests/fuzz/FuzzSupport.h"

#include <QCoreApplication>

namespace {

const char* extensionFor(std::string_view bytes) {
    if (bytes.substr(0, 3) == "GIF") return ".gif";
    if (bytes.size() >= 4 && bytes[2] == 2 && bytes[3] == 0) return ".cur";
    return ".ico";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Image plugins are found through the application object; no display is needed.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::text(data, size);
    const std::string file =
        (fuzz::scratchFolder() / (std::string("picture") + extensionFor(bytes))).string();
    fuzz::writeFile(file, bytes);
    QtPictureLoader loader;
    const PictureHandle picture = loader.load(file);
    std::filesystem::remove(file);
    if (!picture) return 0;
    const auto& decoded = static_cast<const QtPicture&>(*picture);
    fuzz::check(picture->width() > 0 && picture->height() > 0, "an empty picture was accepted");
    fuzz::check(picture->width() <= QtPictureLoader::MaxSide && picture->height() <= QtPictureLoader::MaxSide,
                "an oversized picture was accepted");
    fuzz::check(decoded.image.width() == picture->width() && decoded.image.height() == picture->height(),
                "the picture's size is not its pixels' size");
    // Four premultiplied bytes a pixel, or indexes into at most 256 colours, each solid or clear.
    const QImage& image = decoded.image;
    if (image.format() == QImage::Format_Indexed8) {
        fuzz::check(image.colorCount() >= 1 && image.colorCount() <= 256, "an index without colours");
        for (const QRgb colour : image.colorTable())
            fuzz::check(qAlpha(colour) == 0 || qAlpha(colour) == 255, "an indexed colour half clear");
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                fuzz::check(image.constScanLine(y)[x] < image.colorCount(), "an index past the colours");
    } else {
        fuzz::check(image.format() == QImage::Format_ARGB32_Premultiplied,
                    "the pixels are not premultiplied");
    }
    fuzz::check(decoded.hotSpot.x() >= 0 && decoded.hotSpot.y() >= 0, "a negative hot spot");
    return 0;
}
