// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/common/QtPicture.h"

#include "platform/disk/PathResolver.h"
#include "platform/disk/PictureFile.h"

#include <QBuffer>
#include <QImageReader>

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <unordered_map>

namespace {

// A cursor file's first image records its hot spot where an icon file records planes and bits.
QPoint cursorHotSpot(const QByteArray& bytes) {
    if (bytes.size() < 6 + 16) return {};
    auto word = [&](int at) {
        return static_cast<int>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
    };
    if (word(0) != 0 || word(2) != 2) return {};
    return QPoint(word(6 + 4), word(6 + 6));
}

// The toy's pictures are pixel art of a few colours, each pixel either solid or clear. Such a
// picture is kept as indexes into its colours, a quarter of the memory of four bytes a pixel
// (the pictures of a skin and a character are about a megabyte that way); Qt's painter reads the
// indexes directly, and the pixels it paints are the same. Any other picture stays as it is.
QImage compact(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    std::unordered_map<QRgb, uchar> index;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = from[x];
            if (qAlpha(pixel) != 0 && qAlpha(pixel) != 255) return argb;
            auto [found, added] = index.try_emplace(pixel, static_cast<uchar>(colours.size()));
            if (added) {
                if (colours.size() == 256) return argb;
                colours.push_back(pixel); // solid or clear: the same premultiplied or not
            }
            to[x] = found->second;
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

} // namespace

PictureHandle QtPictureLoader::load(const std::string& path) {
    auto resolved = resolvePath(path);
    if (!resolved) return nullptr;
    std::error_code sizeError, timeError;
    const auto size = std::filesystem::file_size(*resolved, sizeError);
    if (sizeError) return nullptr;
    const auto changed = std::filesystem::last_write_time(*resolved, timeError);
    const std::string key = resolved->string() + '\n' + std::to_string(size) + '\n' +
                            std::to_string(timeError ? 0 : changed.time_since_epoch().count());
    if (auto found = decoded.find(key); found != decoded.end())
        return std::make_shared<QtPicture>(path, found->second.image, found->second.hotSpot);

    // Files no picture shows any more (a character left behind) are let go.
    std::erase_if(decoded, [](const auto& entry) { return entry.second.image.isDetached(); });
    // The file is read once, at its own size: a buffer of the largest size allowed, for each of
    // the hundred-odd pictures a start loads, cost more than decoding them.
    // Opened by the path's own bytes: a folder named in another encoding than UTF-8 (a Latin-1
    // "Caf\xE9" from an old archive) does not survive a trip through a QString.
    std::ifstream in(*resolved, std::ios::binary);
    if (!in || size > static_cast<std::uintmax_t>(MaxFileSize)) return nullptr;
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    in.read(bytes.data(), bytes.size());
    if (in.gcount() != bytes.size()) return nullptr;
    // A cut file may still decode into a half-drawn picture: refuse it before decoding.
    if (bytes.size() > MaxFileSize ||
        !pictureFileComplete(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return nullptr;
    QBuffer source(&bytes);
    source.open(QIODevice::ReadOnly);
    // The bytes choose the decoder, whatever the file's extension says.
    QImageReader reader(&source);
    QSize declared = reader.size();
    if (declared.isValid() && (declared.width() > MaxSide || declared.height() > MaxSide)) return nullptr;
    QImage image = reader.read();
    if (image.isNull() || image.width() > MaxSide || image.height() > MaxSide) return nullptr;
    const Decoded& entry = decoded.emplace(key, Decoded{compact(image), cursorHotSpot(bytes)}).first->second;
    return std::make_shared<QtPicture>(path, entry.image, entry.hotSpot);
}
